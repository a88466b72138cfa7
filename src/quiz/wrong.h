#pragma once
// The wrong-answers screen: the quiz title and up to ten lines, one per
// wrongly answered question, in question order.
#include "quiz/quizresult.h"
#include "toolkit/controlarray.h"
#include "toolkit/label.h"
#include "toolkit/screen.h"

class Wrong : public Screen {
    Q_OBJECT
public:
    Wrong();

    Label *Label6;
    Label *Label4;
    ControlArray<Label> Label2; // lines 0 to 9, hidden until filled
    Label *Label5;
    ControlArray<Label> Label3; // only 1: "Exit"

    // Lists a quiz's wrong answers under its title, on top.
    void showWrongAnswers(const QuizResult &result);

protected:
    void load() override;

private:
    void Label3_Click(int index);
};
