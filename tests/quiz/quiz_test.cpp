// The quiz and the results as a pupil meets them: one question at a time,
// marks on every forward step, the hand-over after question 10, the praise,
// the reward sequence and sound, the wrong answers and both ways out.
#include "common/module1.h"
#include "quiz/multiple.h"
#include "quiz/welldone.h"
#include "quiz/wrong.h"
#include "shell/topicmenu.h"
#include "support/pupil.h"
#include "support/testenv.h"
#include "testregistry.h"

#include <QtTest>

namespace {
enum QuizButton { Previous = 0, Next = 1, Exit = 2 };

// The hidden fifth option, "no answer", is checked.
bool noneChosen(const multiple &quiz) { return quiz.Option1[5]->isChecked(); }

// The results once their reward sequence (picture, highlight, sound) has run.
Welldone &afterTheRewards(Welldone &results)
{
    (void)QTest::qWaitFor([&results] {
        return !results.Picture1->picturePath().isEmpty() && !results.Timer1->isEnabled() &&
               !results.Timer2->isEnabled() && !results.Timer3->isEnabled();
    });
    return results;
}

// The ten choices that get every question right except those listed.
QList<int> choicesWrongAt(const QList<int> &wrongQuestions)
{
    QList<int> choices = kRightAnswers;
    for (int q : wrongQuestions)
        choices[q - 1] = choices[q - 1] % 4 + 1; // the next answer round is always wrong
    return choices;
}

Welldone &resultsWrongAt(const QList<int> &wrongQuestions)
{
    answerAll(openFightersQuiz(), choicesWrongAt(wrongQuestions));
    return afterTheRewards(touch<Welldone>());
}
} // namespace

class QuizTest : public QObject {
    Q_OBJECT
private slots:
    // Question 1 opens with nothing chosen (the hidden "no answer" lies under
    // the picture) and the focus on the question. Choosing, by a click, the
    // arrows or a digit, clicks a key and records nothing; each step forward
    // records a mark, a step back records none.
    void aPupilAnswersStepsForwardAndBack()
    {
        TestEnvironment env;
        writeQuestionFile(env);
        Module1.soundOn = 1;
        multiple &quiz = openFightersQuiz();
        QCOMPARE((QStringList{quiz.Label4->caption(), quiz.Label2->caption(), quiz.Option1[1]->text(), quiz.Option1[4]->text()}),
                 (QStringList{"Question 1", testQuestion(1), "Answer 1A", "Answer 1D"}));
        QVERIFY(noneChosen(quiz) && quiz.Label3[Previous]->isHidden() && quiz.focusWidget() == quiz.Label2);
        QCOMPARE(quiz.childAt(quiz.Option1[5]->geometry().center()), static_cast<QWidget *>(quiz.Picture1));
        env.sound->played.clear();
        clickBox(quiz.Option1[2]); // its mark as drawn: ScaledScreensTest
        for (int key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Right, Qt::Key_Left})
            pressKey(key);
        QVERIFY(quiz.Option1[3]->isChecked() && quiz.focusWidget() == quiz.Option1[3]);
        pressKey(Qt::Key_0 + kRightAnswers[0]);
        QCOMPARE(env.sound->played, QStringList(7, QStringLiteral("wav\\typekey.wav")));
        clickOn(quiz.Label3[Next]);
        QVERIFY(Module1.questionMark[1] == 1 && quiz.Label4->caption() == QLatin1String("Question 2") && noneChosen(quiz));
        clickBox(quiz.Option1[kRightAnswers[1]]);
        clickOn(quiz.Label3[Previous]);
        QVERIFY(Module1.questionMark[2] == 0 && noneChosen(quiz));
        clickOn(quiz.Label3[Next]); // past question 1 again, with nothing chosen
        QCOMPARE(Module1.questionMark[1], 0);
        for (int k = 2; k <= 9; ++k)
            clickOn(quiz.Label3[Next]);
        QCOMPARE(quiz.Label3[Next]->caption(), QStringLiteral("Check Score >>"));
        clickOn(quiz.Label3[Previous]);
        QCOMPARE(quiz.Label3[Next]->caption(), QStringLiteral("Next Question >>"));
        QCOMPARE(Module1.score, 0); // nothing is added up before the end
        clickOn(quiz.Label3[Exit]); // drops the quiz; the next starts afresh
        QVERIFY(topScreenName() == QLatin1String("fighters") && !isLoaded<Welldone>());
        QVERIFY(openFightersQuiz().Label4->caption() == QLatin1String("Question 1") && Module1.questionMark[1] == 0);
    }

    // After question 10 the results take over (the click heard over them):
    // their picture, then both buttons lit, then the reward sound one random
    // number picks. "Check Wrong Answers" lists the wrong ones in question
    // order under the quiz title, with a click; the list's "Exit" closes both
    // silently, the results' "Exit" both with a click, and so does Escape.
    void theRewardsAndTheWaysOut()
    {
        TestEnvironment env;
        writeQuestionFile(env, QStringLiteral("Greek Fighters.txt"), QStringLiteral("Hoplites"));
        Module1.soundOn = 1;
        env.randomNumbers = {0.75};
        Welldone &results = resultsWrongAt({2, 5, 9});
        QVERIFY(Module1.score == 7 && !isLoaded<multiple>() && Module1.certificateSubject == QLatin1String("Velmora"));
        QCOMPARE(env.sound->playedWithTop.mid(env.sound->playedWithTop.size() - 2),
                 (QStringList{"wav\\click.wav@Welldone", "wav\\whizz.wav@Welldone"}));
        QCOMPARE(results.Picture1->picturePath(), QStringLiteral("images\\schoolsm.jpg"));
        QVERIFY(results.Label3[0]->backStyle() == BackStyle::Opaque && results.Label3[1]->backStyle() == BackStyle::Opaque);
        clickOn(results.Label3[0]);
        const Wrong &list = touch<Wrong>();
        QCOMPARE(env.sound->playedWithTop.last(), QStringLiteral("wav\\click.wav@Wrong"));
        QStringList lines{list.Label6->caption()};
        for (int k = 0; k < 10; ++k)
            lines << (list.Label2[k]->isHidden() ? QString() : list.Label2[k]->caption());
        QCOMPARE(lines, QStringList({"Hoplites", " 2. " + testQuestion(2), " 5. " + testQuestion(5), " 9. " + testQuestion(9)}) +
                            QStringList(7, QString()));
        const qsizetype sounds = env.sound->played.size();
        clickOn(list.Label3[1]);
        QVERIFY(!isLoaded<Wrong>() && !isLoaded<Welldone>() && env.sound->played.size() == sounds);
        QCOMPARE(topScreenName(), QStringLiteral("fighters"));
        clickOn(resultsWrongAt({6}).Label3[1]);
        QVERIFY(!isLoaded<Wrong>() && !isLoaded<Welldone>());
        QCOMPARE(env.sound->playedWithTop.last(), QStringLiteral("wav\\click.wav@fighters"));
        clickOn(resultsWrongAt({6}).Label3[0]);
        pressKey(Qt::Key_Escape); // leaves the wrong answers and the results together
        QVERIFY(!isLoaded<Wrong>() && !isLoaded<Welldone>() && topScreenName() == QLatin1String("fighters"));
    }
};

VELMORA_TEST(QuizTest)
#include "quiz_test.moc"
