#pragma once
// The results screen after every quiz and activity: praise by score, a
// picture, a reward sound picked by score, and either the wrong answers or,
// after a full score, a name box and the certificate.
#include "quiz/quizresult.h"
#include "toolkit/controlarray.h"
#include "toolkit/inputs.h"
#include "toolkit/label.h"
#include "toolkit/picturebox.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"

#include <QDeadlineTimer>

class SpeakerLabel;

class Welldone : public Screen {
    Q_OBJECT
public:
    Welldone();

    Label *Label4;
    ControlArray<Label> Label3; // 0: "Print Certificate" or "Check Wrong Answers"; 1: "Exit"
    PictureBox *Picture1;
    Label *Label1;
    Label *Label5;
    Label *Label6;
    TextBox *Text1;
    Label *Label2;
    // Reads the score message aloud, once the reward sound has ended.
    SpeakerLabel *Speaker;
    // The reward sequence: picture, then focus and highlight, then the sound.
    Timer *Timer1;
    Timer *Timer2;
    Timer *Timer3;

    // Shows a finished quiz's or activity's result on top and starts the
    // reward sequence. What the screen offers, and what its certificate
    // prints, follow from this result alone.
    void showResult(const QuizResult &result);

protected:
    void load() override;

private:
    void Label3_Click(int index);
    void Printpage();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void readScore();

    QuizResult result_;
    QDeadlineTimer rewardSoundEnds_{0};
};
