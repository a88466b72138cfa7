#include "quiz/wrong.h"

#include "common/commonsetup.h"
#include "common/designs.h"
#include "common/module1.h"
#include "quiz/welldone.h"
#include "toolkit/builders.h"
#include "toolkit/keyboard.h"
#include "toolkit/numbertext.h"

namespace {
// One line for each question a pupil can get wrong.
constexpr int kLines = questionsPerSet;
} // namespace

Wrong::Wrong() : Screen(QStringLiteral("Wrong"))
{
    const FontDesign lineFont = fonts::tahoma(15.75);
    Label6 = makeLabel(this, QStringLiteral("Label6"), textLabel({}, 0, 120, 12000, 540, fonts::tahoma(20.25)));
    Label4 = makeLabel(this, QStringLiteral("Label4"),
                       textLabel(QStringLiteral("You answered the following questions incorrectly."), 240, 960, 12000,
                                 540, lineFont, colours::text, Qt::AlignLeft));
    for (int k = 0; k < kLines; ++k)
        Label2.add(k, makeLabel(this, arrayMemberName(QStringLiteral("Label2"), k),
                                textLabel({}, 120, 1680 + 600 * k, 12000, 540, lineFont, colours::white, Qt::AlignLeft)
                                    .at(k)
                                    .hidden()));
    Label5 = makeLabel(this, QStringLiteral("Label5"), textLabel(QStringLiteral("Read the Key Facts and try again."), 0,
                                                                 7920, 12000, 540, fonts::tahoma(20.25)));
    // The one button keeps its black box: this screen has no hover highlight.
    makeLabels(this, Label3, QStringLiteral("Label3"), {buttonLabel(1, QStringLiteral("Exit"), 10560, 7920, 1245).opaque()});
    Label3.onClick = [this](int index) { Label3_Click(index); };
    escapePresses(this, Label3[1]);
}

void Wrong::load() { commonSetup(*this); }

// Line k holds the k-th wrong answer: a space, its question number, ". " and the question.
void Wrong::showWrongAnswers(const QuizResult &result)
{
    Label6->setCaption(result.quizTitle);
    for (int k = 0; k < kLines; ++k) {
        const bool listed = k < result.wrongAnswers.size();
        const WrongAnswer wrong = result.wrongAnswers.value(k);
        Label2[k]->setCaption(listed ? numberWithSignPlace(wrong.question) + QStringLiteral(". ") + wrong.text : QString());
        Label2[k]->setVisible(listed);
    }
    showScreen();
}

void Wrong::Label3_Click(int)
{
    if (isLoaded<Welldone>())
        touch<Welldone>().unload();
    unload();
}
