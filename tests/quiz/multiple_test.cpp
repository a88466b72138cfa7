// The quiz as a pupil meets it: one question at a time, marks on every
// forward step, and the hand-over to the results after question 10.
#include "quiz/multiple.h"
#include "quiz/quizdriver.h"
#include "quiz/welldone.h"
#include "quiz/wrong.h"
#include "common/module1.h"
#include "support/testenv.h"
#include "testregistry.h"

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
        writeFightersQuestions(env);
        Module1.soundOn = 1;
        multiple &quiz = openFightersQuiz(); // its titles and picture: TopicMenuTest
        QCOMPARE(topScreenName(), QStringLiteral("multiple"));
        QCOMPARE(quiz.Label1->caption(), QStringLiteral("Multiple Choice"));
        QCOMPARE(quiz.Label4->caption(), QStringLiteral("Question 1"));
        QCOMPARE(quiz.Label2->caption(), testQuestion(1));
        QCOMPARE(quiz.Option1[1]->text(), QStringLiteral("Answer 1A"));
        QCOMPARE(quiz.Option1[4]->text(), QStringLiteral("Answer 1D"));
        QCOMPARE(checkedChoice(quiz), 5);
        QVERIFY(quiz.Label3[0]->isHidden());
        QCOMPARE(quiz.Label3[1]->caption(), QStringLiteral("Next Question >>"));
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@multiple"});
        // The "no answer" choice is covered by the picture and holds the focus.
        OptionButton *none = quiz.Option1[5];
        QCOMPARE(quiz.childAt(none->geometry().center()), static_cast<QWidget *>(quiz.Picture1));
        QCOMPARE(quiz.focusWidget(), static_cast<QWidget *>(none));
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

    // Choosing clicks a key (with the sound on) and records nothing; forward
    // steps record a mark (right, wrong or none); stepping back clears the
    // choice and records nothing; question 10 offers the score instead.
    void choosingAndSteppingForwardAndBack()
    {
        TestEnvironment env;
        writeFightersQuestions(env);
        Module1.soundOn = 1;
        multiple &quiz = openFightersQuiz();
        env.sound->played.clear();
        chooseAnswer(quiz, 3);
        chooseAnswer(quiz, kRightAnswers[0]);
        QCOMPARE(checkedChoice(quiz), kRightAnswers[0]);
        QCOMPARE(env.sound->played, (QStringList{"wav\\typekey.wav", "wav\\typekey.wav"}));
        QCOMPARE(Module1.questionMark[1], 0);
        Module1.soundOn = 0;
        chooseAnswer(quiz, 3);
        chooseAnswer(quiz, kRightAnswers[0]);
        QCOMPARE(env.sound->played.size(), 2);
        clickNext(quiz);
        QCOMPARE(Module1.questionMark[1], 1);
        QCOMPARE(Module1.questionNumber, 2);
        QCOMPARE(quiz.Label4->caption(), QStringLiteral("Question 2"));
        QCOMPARE(quiz.Label2->caption(), testQuestion(2));
        QCOMPARE(quiz.Option1[2]->text(), QStringLiteral("Answer 2B"));
        QCOMPARE(checkedChoice(quiz), 5);
        QVERIFY(!quiz.Label3[0]->isHidden());

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

        chooseAnswer(quiz, kRightAnswers[1] % 4 + 1); // wrong
        clickNext(quiz);
        QCOMPARE(Module1.questionMark[2], 0);
        QCOMPARE(Module1.score, 0); // nothing is added up before the end

        for (int k = 3; k <= 9; ++k)
            clickNext(quiz);
        QCOMPARE(quiz.Label4->caption(), QStringLiteral("Question 10"));
        QCOMPARE(quiz.Label3[1]->caption(), QStringLiteral("Check Score >>"));
        clickOn(quiz.Label3[0]);
        QCOMPARE(quiz.Label3[1]->caption(), QStringLiteral("Next Question >>"));
        QVERIFY(!isLoaded<Welldone>());
    }

    void theWrongAnswersAreListedInQuestionOrder_data()
    {
        QTest::addColumn<QList<int>>("choices");
        QTest::addColumn<QList<int>>("wrong");
        QTest::addRow("three wrong") << choicesWrongAt({2, 5, 9}) << QList<int>{2, 5, 9};
        QTest::addRow("none answered") << QList<int>(10, 0) << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        QTest::addRow("full score") << kRightAnswers << QList<int>{};
    }

    void theWrongAnswersAreListedInQuestionOrder()
    {
        QFETCH(QList<int>, choices);
        QFETCH(QList<int>, wrong);
        TestEnvironment env;
        writeFightersQuestions(env, QStringLiteral("Hoplites"));
        Module1.soundOn = 1;
        multiple &quiz = openFightersQuiz();
        env.sound->playedWithTop.clear();
        answerAll(quiz, choices);
        QCOMPARE(Module1.score, 10 - int(wrong.size()));
        for (int i = 1; i <= 10; ++i)
            QCOMPARE(Module1.questionMark[i], wrong.contains(i) ? 0 : 1);
        QVERIFY(!isLoaded<multiple>());
        Wrong &list = touch<Wrong>();
        QVERIFY(!list.isVisible());
        QCOMPARE(list.Label6->caption(), QStringLiteral("Hoplites"));
        for (int k = 0; k <= 9; ++k) {
            QCOMPARE(list.Label2[k]->isHidden(), k >= wrong.size());
            if (k < wrong.size())
                QCOMPARE(list.Label2[k]->caption(), QStringLiteral(" %1. ").arg(wrong[k]) + testQuestion(wrong[k]));
        }
        QCOMPARE(Module1.certificateSubject, QStringLiteral("Velmora"));
        QCOMPARE(topScreenName(), QStringLiteral("Welldone"));
        // A key for each answer and a click for each step; the last click after the results are on top.
        const int answered = int(choices.size() - choices.count(0));
        QCOMPARE(env.sound->playedWithTop.count("wav\\typekey.wav@multiple"), answered);
        QCOMPARE(env.sound->playedWithTop.count("wav\\click.wav@multiple"), 9);
        QCOMPARE(env.sound->playedWithTop.last(), QStringLiteral("wav\\click.wav@Welldone"));
        QCOMPARE(env.sound->playedWithTop.size(), answered + 10);
    }

    void exitDropsTheQuizAndReopeningStartsAfresh()
    {
        TestEnvironment env;
        writeFightersQuestions(env);
        Module1.soundOn = 1;
        multiple &first = openFightersQuiz();
        chooseAnswer(first, kRightAnswers[0]);
        clickNext(first);
        env.sound->playedWithTop.clear();
        clickOn(first.Label3[2]);
        QVERIFY(!isLoaded<multiple>());
        QCOMPARE(Module1.score, 0);
        QVERIFY(!isLoaded<Welldone>());
        QVERIFY(!isLoaded<Wrong>());
        QCOMPARE(topScreenName(), QStringLiteral("fighters"));
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@fighters"});
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
