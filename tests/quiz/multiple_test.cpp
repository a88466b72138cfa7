// The quiz as a pupil meets it: one question at a time, marks on every
// forward step, and the hand-over to the results after question 10.
#include "quiz/multiple.h"
#include "quiz/quizdriver.h"
#include "quiz/welldone.h"
#include "quiz/wrong.h"
#include "shell/fighters.h"
#include "shell/module1.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "toolkit/twips.h"

#include <QtTest>

namespace {
int checkedChoice(const multiple &quiz)
{
    int checked = 0;
    quiz.Option1.forEach([&checked](int i, OptionButton *b) {
        if (b->isChecked())
            checked = checked == 0 ? i : -1; // -1: more than one, which must never happen
    });
    return checked;
}

// Dark pixels in the left part of an option button, where its round mark is.
int darkPixelsInMark(OptionButton *choice)
{
    const QImage image = choice->grab(QRect(0, 0, choice->height(), choice->height())).toImage();
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 60;
    return dark;
}
} // namespace

class MultipleTest : public QObject {
    Q_OBJECT
private slots:
    void theFirstQuestionOpensWithNothingChosen()
    {
        TestEnvironment env;
        writeFightersQuestions(env, QStringLiteral("Spartans & Athenians"));
        Module1.soundOn = 1;
        multiple &quiz = openFightersQuiz();
        QCOMPARE(topScreenName(), QStringLiteral("multiple"));
        QCOMPARE(quiz.Label1->caption(), QStringLiteral("Multiple Choice"));
        QCOMPARE(quiz.Label5->caption(), QStringLiteral("Velmora"));
        QCOMPARE(quiz.Label6->caption(), QStringLiteral("Spartans , Athenians")); // "&" loads as a comma
        QCOMPARE(quiz.Picture1->picturePath(), QStringLiteral("images\\SPARTAN ARMY2.jpg"));
        QCOMPARE(quiz.Label4->caption(), QStringLiteral("Question 1"));
        QCOMPARE(quiz.Label2->caption(), testQuestion(1));
        QCOMPARE(quiz.Option1[1]->text(), QStringLiteral("Answer 1A"));
        QCOMPARE(quiz.Option1[4]->text(), QStringLiteral("Answer 1D"));
        QCOMPARE(checkedChoice(quiz), 5);
        QVERIFY(quiz.Label3[0]->isHidden());
        QCOMPARE(quiz.Label3[1]->caption(), QStringLiteral("Next Question >>"));
        QCOMPARE(Module1.score, 0);
        QCOMPARE(Module1.questionCount, 10);
        QCOMPARE(Module1.questionNumber, 1);
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@multiple"});
    }

    void theNoAnswerChoiceHidesUnderThePictureWithTheFocus()
    {
        TestEnvironment env;
        writeFightersQuestions(env);
        multiple &quiz = openFightersQuiz();
        OptionButton *none = quiz.Option1[5];
        const QRectF under = twips::geometryOf(none);
        QCOMPARE(under.topLeft(), QPointF(quiz.Picture1->left() + 240, quiz.Picture1->top() + 240));
        QVERIFY(quiz.Picture1->geometry().contains(none->geometry()));
        QCOMPARE(quiz.childAt(none->geometry().center()), static_cast<QWidget *>(quiz.Picture1));
        QCOMPARE(quiz.focusWidget(), static_cast<QWidget *>(none));
        for (int i = 1; i <= 4; ++i) {
            QCOMPARE(twips::geometryOf(quiz.Option1[i]), QRectF(2400, 5400 + 600 * (i - 1), 6975, 525));
            QCOMPARE(quiz.Option1[i]->palette().color(QPalette::Window), QColor(39, 63, 137));
        }
    }

    void choosingAnAnswerClicksAKeyAndRecordsNothingYet()
    {
        TestEnvironment env;
        writeFightersQuestions(env);
        Module1.soundOn = 1;
        multiple &quiz = openFightersQuiz();
        env.sound->played.clear();
        chooseAnswer(quiz, 1);
        chooseAnswer(quiz, 3);
        QCOMPARE(checkedChoice(quiz), 3);
        QCOMPARE(env.sound->played, (QStringList{"wav\\typekey.wav", "wav\\typekey.wav"}));
        QCOMPARE(Module1.questionMark[1], 0);
        Module1.soundOn = 0;
        chooseAnswer(quiz, 1);
        QCOMPARE(env.sound->played.size(), 2);
    }

    // The chosen answer's mark must stand out against the white circle even
    // though the answers are written in yellow.
    void theChosenAnswerShowsADarkMark()
    {
        TestEnvironment env;
        writeFightersQuestions(env);
        multiple &quiz = openFightersQuiz();
        const int unchosen = darkPixelsInMark(quiz.Option1[2]);
        chooseAnswer(quiz, 2);
        QVERIFY2(darkPixelsInMark(quiz.Option1[2]) >= unchosen + 6,
                 qPrintable(QStringLiteral("%1 dark pixels before, %2 after")
                                .arg(unchosen)
                                .arg(darkPixelsInMark(quiz.Option1[2]))));
    }

    void movingForwardRecordsTheMarkAndShowsTheNextQuestion()
    {
        TestEnvironment env;
        writeFightersQuestions(env);
        multiple &quiz = openFightersQuiz();
        chooseAnswer(quiz, kRightAnswers[0]);
        clickNext(quiz);
        QCOMPARE(Module1.questionMark[1], 1);
        QCOMPARE(Module1.questionNumber, 2);
        QCOMPARE(quiz.Label4->caption(), QStringLiteral("Question 2"));
        QCOMPARE(quiz.Label2->caption(), testQuestion(2));
        QCOMPARE(quiz.Option1[2]->text(), QStringLiteral("Answer 2B"));
        QCOMPARE(checkedChoice(quiz), 5);
        QVERIFY(!quiz.Label3[0]->isHidden());
        chooseAnswer(quiz, kRightAnswers[1] % 4 + 1); // wrong
        clickNext(quiz);
        QCOMPARE(Module1.questionMark[2], 0);
        clickNext(quiz); // no answer at all
        QCOMPARE(Module1.questionMark[3], 0);
        QCOMPARE(Module1.score, 0); // nothing is added up before the end
    }

    void goingBackClearsTheChoiceAndLeavesTheMarkAlone()
    {
        TestEnvironment env;
        writeFightersQuestions(env);
        multiple &quiz = openFightersQuiz();
        chooseAnswer(quiz, kRightAnswers[0]);
        clickNext(quiz);
        chooseAnswer(quiz, kRightAnswers[1]);
        clickOn(quiz.Label3[0]); // back to question 1
        QCOMPARE(Module1.questionNumber, 1);
        QCOMPARE(quiz.Label4->caption(), QStringLiteral("Question 1"));
        QCOMPARE(checkedChoice(quiz), 5);
        QVERIFY(quiz.Label3[0]->isHidden());
        QCOMPARE(Module1.questionMark[1], 1); // recorded on the way forward
        QCOMPARE(Module1.questionMark[2], 0); // left backwards: no mark
        clickNext(quiz); // passing question 1 again without choosing
        QCOMPARE(Module1.questionMark[1], 0);
    }

    void questionTenOffersTheScoreInsteadOfANextQuestion()
    {
        TestEnvironment env;
        writeFightersQuestions(env);
        multiple &quiz = openFightersQuiz();
        for (int k = 1; k <= 9; ++k)
            clickNext(quiz);
        QCOMPARE(quiz.Label4->caption(), QStringLiteral("Question 10"));
        QCOMPARE(quiz.Label3[1]->caption(), QStringLiteral("Check Score >>"));
        clickOn(quiz.Label3[0]);
        QCOMPARE(quiz.Label3[1]->caption(), QStringLiteral("Next Question >>"));
        QVERIFY(!isLoaded<Welldone>());
    }

    void wrongAnswersFillTheFirstLinesInQuestionOrder()
    {
        TestEnvironment env;
        writeFightersQuestions(env, QStringLiteral("Hoplites"));
        Module1.soundOn = 1;
        multiple &quiz = openFightersQuiz();
        env.sound->playedWithTop.clear();
        answerAll(quiz, choicesWrongAt({2, 5, 9}));
        QCOMPARE(Module1.score, 7);
        for (int i = 1; i <= 10; ++i)
            QCOMPARE(Module1.questionMark[i], (i == 2 || i == 5 || i == 9) ? 0 : 1);
        QVERIFY(!isLoaded<multiple>());
        Wrong &wrong = touch<Wrong>();
        QVERIFY(!wrong.isVisible());
        QCOMPARE(wrong.Label6->caption(), QStringLiteral("Hoplites"));
        QCOMPARE(wrong.Label2[0]->caption(), QStringLiteral(" 2. ") + testQuestion(2));
        QCOMPARE(wrong.Label2[1]->caption(), QStringLiteral(" 5. ") + testQuestion(5));
        QCOMPARE(wrong.Label2[2]->caption(), QStringLiteral(" 9. ") + testQuestion(9));
        for (int k = 0; k <= 2; ++k)
            QVERIFY(!wrong.Label2[k]->isHidden());
        for (int k = 3; k <= 9; ++k)
            QVERIFY2(wrong.Label2[k]->isHidden(), qPrintable(QString::number(k)));
        QCOMPARE(Module1.certificateSubject, QStringLiteral("Velmora"));
        Welldone &results = touch<Welldone>();
        QCOMPARE(topScreenName(), QStringLiteral("Welldone"));
        QVERIFY(results.Label6->isHidden());
        QVERIFY(!results.Label5->isHidden());
        QVERIFY(!results.Label3[0]->isHidden());
        // Ten answers and ten forward steps; the last click after the results are on top.
        QCOMPARE(env.sound->playedWithTop.count("wav\\typekey.wav@multiple"), 10);
        QCOMPARE(env.sound->playedWithTop.count("wav\\click.wav@multiple"), 9);
        QCOMPARE(env.sound->playedWithTop.last(), QStringLiteral("wav\\click.wav@Welldone"));
        QCOMPARE(env.sound->playedWithTop.size(), 20);
    }

    void tenWrongAnswersFillEveryLine()
    {
        TestEnvironment env;
        writeFightersQuestions(env);
        multiple &quiz = openFightersQuiz();
        answerAll(quiz, QList<int>(10, 0));
        QCOMPARE(Module1.score, 0);
        Wrong &wrong = touch<Wrong>();
        for (int k = 0; k <= 9; ++k) {
            QVERIFY(!wrong.Label2[k]->isHidden());
            QCOMPARE(wrong.Label2[k]->caption(), QStringLiteral(" %1. ").arg(k + 1) + testQuestion(k + 1));
        }
    }

    void aFullScoreFillsNoLine()
    {
        TestEnvironment env;
        writeFightersQuestions(env);
        multiple &quiz = openFightersQuiz();
        answerAll(quiz, kRightAnswers);
        QCOMPARE(Module1.score, 10);
        Wrong &wrong = touch<Wrong>();
        wrong.Label2.forEach([](int, Label *line) { QVERIFY(line->isHidden()); });
    }

    void exitTouchesNeitherTheScoreNorTheResults()
    {
        TestEnvironment env;
        writeFightersQuestions(env);
        Module1.soundOn = 1;
        multiple &quiz = openFightersQuiz();
        chooseAnswer(quiz, kRightAnswers[0]);
        clickNext(quiz);
        env.sound->playedWithTop.clear();
        clickOn(quiz.Label3[2]);
        QVERIFY(!isLoaded<multiple>());
        QCOMPARE(Module1.score, 0);
        QVERIFY(!isLoaded<Welldone>());
        QVERIFY(!isLoaded<Wrong>());
        QCOMPARE(topScreenName(), QStringLiteral("fighters"));
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@fighters"});
    }

    void reopeningStartsAFreshQuiz()
    {
        TestEnvironment env;
        writeFightersQuestions(env);
        multiple &first = openFightersQuiz();
        chooseAnswer(first, kRightAnswers[0]);
        clickNext(first);
        clickOn(first.Label3[2]);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        multiple &second = openFightersQuiz();
        QCOMPARE(Module1.questionNumber, 1);
        QCOMPARE(Module1.questionMark[1], 0);
        QCOMPARE(second.Label4->caption(), QStringLiteral("Question 1"));
    }

    void buttonsLightUpUntilThePointerCrossesTheBackground()
    {
        TestEnvironment env;
        writeFightersQuestions(env);
        multiple &quiz = openFightersQuiz();
        clickNext(quiz); // "<< Previous Question" shows from question 2
        hoverOver(quiz.Label3[0]);
        hoverOver(quiz.Label3[2]);
        QCOMPARE(quiz.Label3[0]->backStyle(), BackStyle::Opaque);
        QCOMPARE(quiz.Label3[2]->backStyle(), BackStyle::Opaque);
        hoverOver(quiz.Label2); // the question text changes nothing
        QCOMPARE(quiz.Label3[2]->backStyle(), BackStyle::Opaque);
        hoverOver(&quiz, QPoint(790, 450)); // bare background right of the answers
        quiz.Label3.forEach([](int, Label *b) { QCOMPARE(b->backStyle(), BackStyle::Transparent); });
    }
};

VELMORA_TEST(MultipleTest)
#include "multiple_test.moc"
