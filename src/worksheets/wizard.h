#pragma once
// The Multiple Choice Wizard: a teacher types a title, ten questions with four
// answers each, ticks the right answer of each and saves the worksheet, which
// the catalogue then lists. The boxes are the only copy of the worksheet; the
// screen opens empty from the main menu, or filled by the catalogue's edit mode.
#include "toolkit/controlarray.h"
#include "toolkit/inputs.h"
#include "toolkit/label.h"
#include "toolkit/screen.h"
#include "worksheets/worksheetcontent.h"

class wizard : public Screen {
    Q_OBJECT
public:
    wizard();

    // Static labels: 0 the heading, 1 "Worksheet Title", 2 to 11 the question
    // headings, then the letters A. to D. of question q + 1 at 12 + 4q + a.
    ControlArray<Label> Label1;
    TextBox *Text1;                // the title, up to 25 characters
    ControlArray<TextBox> Text2;   // question q + 1 in box q, up to 60 characters
    ControlArray<TextBox> Text3;   // answer a of question q + 1 in box 4q + a, up to 30
    ControlArray<CheckBox> Check1; // ticked: answer box 4q + a is the right answer
    ControlArray<Label> Label3;    // 0 "Exit", 1 "Save Worksheet"

    // The worksheet as the boxes hold it now.
    WorksheetContent content() const;
    // Fills the boxes with a worksheet that is not saved yet (questions
    // imported from a file) and shows the screen; leaving it asks first.
    void showImported(const WorksheetContent &worksheet);

protected:
    void load() override;

private:
    void buildLabels();
    void buildBoxes();
    void Label3_Click(int index);
    void genwork();
    void wireEnterMoves();
    void nameBoxes();
    void leave();
    bool unsavedWork() const;
    void showEvent(QShowEvent *event) override;

    // What the boxes held when the screen opened (empty, or a worksheet to
    // edit) or were last saved: leaving with anything else asks first.
    WorksheetContent kept_;
    bool opened_ = false;
};
