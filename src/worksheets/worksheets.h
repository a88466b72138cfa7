#pragma once
// The Worksheets Catalogue: every saved worksheet, 24 titles to a page.
// Clicking a title answers it in the quiz, or with "Edit Worksheet" ticked
// opens it in the wizard, or with "Delete Worksheet" ticked removes it from
// the catalogue after asking, with "Export Worksheet" ticked writes it to a
// GIFT or Aiken file, with "Print Answer Key" ticked prints its answer key.
// "Import Worksheet" fills the wizard from such a file, "Export All" writes
// every worksheet to one. "Exit" goes back to the main menu.
#include "toolkit/controlarray.h"
#include "toolkit/inputs.h"
#include "toolkit/label.h"
#include "toolkit/screen.h"

class worksheets : public Screen {
    Q_OBJECT
public:
    worksheets();

    Label *Label1;               // the heading
    CheckBox *Check1;            // "Edit Worksheet"
    CheckBox *Check2;            // "Delete Worksheet"
    ControlArray<Label> Label2;  // 0 "Exit"; 1 to 24 the title slots, left column first
    Label *Label4;               // "Page 1"
    ControlArray<Label> Label3;  // 0 "<< Previous Page", 1 "Next Page >>"
    CheckBox *Check3;            // "Export Worksheet"
    CheckBox *Check4;            // "Print Answer Key"
    ControlArray<Label> Label5;  // 0 "Import Worksheet", 1 "Export All"

    // Shows page cataloguePage of the catalogue and the page commands it needs.
    void workpage();

protected:
    void load() override;

private:
    void Label2_Click(int index);
    void Label3_Click(int index);
    void Label5_Click(int index);
    void buildTransferControls();
    void keepOneModeTicked();
    void openTitle(const QString &title);
    void answerWorksheet();
    void editworksheet();
    void deleteWorksheet(const QString &title);
    void exportListed(const QString &title);
    void printKey(const QString &title);
    void showSlots(int firstTitle, int lastTitle);
};
