#pragma once
// The quiz screen: the ten questions of the set loaded last, one at a time
// with four answers. A mark is recorded each time the pupil moves forward;
// after question 10 the marks are added up and the result, wrong answers and
// all, is handed to the results screen Welldone.
#include "toolkit/controlarray.h"
#include "toolkit/inputs.h"
#include "toolkit/label.h"
#include "toolkit/picturebox.h"
#include "toolkit/screen.h"

#include <functional>

class QKeyEvent;
class SpeakerLabel;

// The quiz picture grows to show a larger picture whole but never shrinks
// below its design size, so it always covers the hidden "no answer" choice.
class QuizPicture : public PictureBox {
    Q_OBJECT
public:
    QuizPicture(QWidget *parent, double left, double top, double width, double height);
    std::function<void()> onResized;

protected:
    void pictureChanged() override;

private:
    double designWidth_, designHeight_;
};

class multiple : public Screen {
    Q_OBJECT
public:
    multiple();

    Label *Label1;
    Label *Label5;
    Label *Label6;
    QuizPicture *Picture1;
    Label *Label4;
    Label *Label2;
    // Choices 1 to 4 are the answers; choice 5 sits under the picture and is
    // selected whenever no answer is.
    ControlArray<OptionButton> Option1;
    ControlArray<Label> Label3;
    // Reads the question aloud, then its four answers with their letters.
    SpeakerLabel *Speaker;

    // Shows question questionNumber with nothing chosen.
    void showquest();

protected:
    void load() override;

private:
    void Option1_Click(int index);
    bool answerKey(const QKeyEvent &key);
    void Label3_Click(int index);
    void Speaker_Click();
    void Printpage();
    void keepPrintButtonReadable();
    void recordMarkAndMoveOn();
    void scoreAndHandOver();
};
