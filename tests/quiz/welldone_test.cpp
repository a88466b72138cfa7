// The results after a quiz or an activity: praise by score, the reward
// sequence, the wrong answers and both ways out.
#include "quiz/multiple.h"
#include "quiz/quizdriver.h"
#include "quiz/welldone.h"
#include "quiz/wrong.h"
#include "shell/fighters.h"
#include "shell/module1.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "toolkit/twips.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {
const QString kHint = QStringLiteral("Click the button above to check which questions you answered incorrectly.");

// Runs the three timers of the reward sequence to their end.
bool waitForRewardSequence(const Welldone &results)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 3000) {
        runEventsFor(5);
        if (!results.Timer1->isEnabled() && !results.Timer2->isEnabled() && !results.Timer3->isEnabled() &&
            !results.Picture1->picturePath().isEmpty())
            return true;
    }
    return false;
}

Welldone &finishQuizWrongAt(const QList<int> &wrongQuestions)
{
    answerAll(openFightersQuiz(), choicesWrongAt(wrongQuestions));
    return touch<Welldone>();
}

// An activity sets the score and shows the results, changing nothing on them.
Welldone &showActivityResult(int score, int maximum)
{
    Module1.score = score;
    Module1.questionCount = maximum;
    Welldone &results = touch<Welldone>();
    results.showScreen();
    return results;
}
} // namespace

class WelldoneTest : public QObject {
    Q_OBJECT
private slots:
    void quizScoresShowTheirMessages_data()
    {
        QTest::addColumn<QList<int>>("wrong");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("button");
        QTest::addRow("10 of 10") << QList<int>{} << "Excellent work. You have scored 10 out of 10."
                                  << "Print Certificate";
        QTest::addRow("9 of 10") << QList<int>{4} << "Good work. You have scored 9 out of 10."
                                 << "Check Wrong Answers";
        QTest::addRow("8 of 10") << QList<int>{4, 7} << "Good work. You have scored 8 out of 10."
                                 << "Check Wrong Answers";
        QTest::addRow("7 of 10") << QList<int>{1, 4, 7} << "You have scored 7 out of 10." << "Check Wrong Answers";
    }

    void quizScoresShowTheirMessages()
    {
        QFETCH(QList<int>, wrong);
        QFETCH(QString, message);
        QFETCH(QString, button);
        TestEnvironment env;
        writeFightersQuestions(env);
        Welldone &results = finishQuizWrongAt(wrong);
        const bool full = wrong.isEmpty();
        QCOMPARE(topScreenName(), QStringLiteral("Welldone"));
        QCOMPARE(results.Label4->caption(), QStringLiteral("Well Done!"));
        QCOMPARE(results.Label1->caption(), message);
        QCOMPARE(results.Label3[0]->caption(), button);
        QVERIFY(!results.Label3[0]->isHidden());
        QVERIFY(results.Label6->isHidden());
        QVERIFY(!results.Label5->isHidden());
        QCOMPARE(results.Label5->caption(), full ? QString() : kHint);
        QCOMPARE(results.Text1->isHidden(), !full);
        QCOMPARE(results.Label2->isHidden(), !full);
        QCOMPARE(results.Label2->caption(),
                 QStringLiteral("Enter your name in the box above before printing your certificate"));
    }

    void activityScoresShowTheirMessages_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("full");
        QTest::addColumn<QStringList>("sounds");
        QTest::addRow("6 of 6") << 6 << "Excellent work. You have scored 6 out of 6." << true
                                << QStringList{"wav\\clap3.wav"};
        QTest::addRow("5 of 6") << 5 << "Good work. You have scored 5 out of 6." << false << QStringList{};
        QTest::addRow("4 of 6") << 4 << "Good work. You have scored 4 out of 6." << false << QStringList{};
        QTest::addRow("3 of 6") << 3 << "You have scored 3 out of 6." << false << QStringList{};
        QTest::addRow("0 of 6") << 0 << "You have scored 0 out of 6." << false << QStringList{};
    }

    void activityScoresShowTheirMessages()
    {
        QFETCH(int, score);
        QFETCH(QString, message);
        QFETCH(bool, full);
        QFETCH(QStringList, sounds);
        TestEnvironment env;
        Module1.soundOn = 1;
        Welldone &results = showActivityResult(score, 6);
        QCOMPARE(results.Label1->caption(), message);
        QCOMPARE(results.Label6->isHidden(), full);
        QCOMPARE(results.Label6->caption(), QStringLiteral("Read the Key Facts and try again."));
        QVERIFY(results.Label5->isHidden());
        QCOMPARE(results.Label3[0]->isHidden(), !full);
        QCOMPARE(results.Text1->isHidden(), !full);
        QVERIFY(waitForRewardSequence(results));
        QCOMPARE(env.sound->played, sounds); // the sound goes by the score alone
    }

    void theRewardSequenceShowsThePictureThenFocusesThenPlays()
    {
        TestEnvironment env;
        writeFightersQuestions(env);
        Module1.soundOn = 1;
        env.randomNumbers = {0.75};
        Welldone &results = finishQuizWrongAt({});
        QVERIFY(results.Timer1->isEnabled());
        QCOMPARE(results.Timer1->interval(), 1);
        QCOMPARE(results.Timer2->interval(), 10);
        QCOMPARE(results.Timer3->interval(), 1);
        QVERIFY(results.Picture1->picturePath().isEmpty());
        QCOMPARE(results.Label3[0]->backStyle(), BackStyle::Transparent);
        env.sound->played.clear();
        QVERIFY(waitForRewardSequence(results));
        QCOMPARE(results.Picture1->picturePath(), QStringLiteral("images\\schoolsm.jpg"));
        QCOMPARE(results.focusWidget(), static_cast<QWidget *>(results.Text1));
        QCOMPARE(results.Label3[0]->backStyle(), BackStyle::Opaque);
        QCOMPARE(results.Label3[1]->backStyle(), BackStyle::Opaque);
        QCOMPARE(env.sound->played, QStringList{"wav\\fanf3.wav"});
        QVERIFY(env.randomNumbers.empty());
    }

    void withSoundOffTheSequenceStillRunsInSilence()
    {
        TestEnvironment env;
        writeFightersQuestions(env);
        Module1.soundOn = 1;
        multiple &quiz = openFightersQuiz();
        Module1.soundOn = 0;
        env.sound->played.clear();
        answerAll(quiz, choicesWrongAt({3, 8}));
        Welldone &results = touch<Welldone>();
        QVERIFY(waitForRewardSequence(results));
        QCOMPARE(results.Picture1->picturePath(), QStringLiteral("images\\schoolsm.jpg"));
        QCOMPARE(results.Label3[0]->backStyle(), BackStyle::Opaque);
        QCOMPARE(results.Label3[1]->backStyle(), BackStyle::Opaque);
        QVERIFY(env.sound->played.isEmpty());
    }

    void checkWrongAnswersOpensTheListAndItsExitClosesBoth()
    {
        TestEnvironment env;
        writeFightersQuestions(env);
        Module1.soundOn = 1;
        Welldone &results = finishQuizWrongAt({6});
        QVERIFY(waitForRewardSequence(results));
        env.sound->playedWithTop.clear();
        clickOn(results.Label3[0]);
        Wrong &wrong = touch<Wrong>();
        QCOMPARE(topScreenName(), QStringLiteral("Wrong"));
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@Wrong"});
        QCOMPARE(wrong.Label4->caption(), QStringLiteral("You answered the following questions incorrectly."));
        QCOMPARE(wrong.Label5->caption(), QStringLiteral("Read the Key Facts and try again."));
        QCOMPARE(wrong.Label2[0]->caption(), QStringLiteral(" 6. ") + testQuestion(6));
        QCOMPARE(twips::geometryOf(wrong.Label2[9]), QRectF(120, 7080, 12000, 540));
        QCOMPARE(wrong.Label3[1]->backStyle(), BackStyle::Opaque);
        hoverOver(&wrong, QPoint(5, 50));
        QCOMPARE(wrong.Label3[1]->backStyle(), BackStyle::Opaque); // no highlight behaviour here
        env.sound->playedWithTop.clear();
        clickOn(wrong.Label3[1]);
        QVERIFY(!isLoaded<Wrong>());
        QVERIFY(!isLoaded<Welldone>());
        QCOMPARE(topScreenName(), QStringLiteral("fighters"));
        QVERIFY(env.sound->playedWithTop.isEmpty());
    }

    void exitClosesTheResultsAndTheHiddenList()
    {
        TestEnvironment env;
        writeFightersQuestions(env);
        Module1.soundOn = 1;
        Welldone &results = finishQuizWrongAt({2, 3});
        QVERIFY(isLoaded<Wrong>());
        env.sound->playedWithTop.clear();
        clickOn(results.Label3[1]);
        QVERIFY(!isLoaded<Welldone>());
        QVERIFY(!isLoaded<Wrong>());
        QCOMPARE(topScreenName(), QStringLiteral("fighters"));
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@fighters"});
    }

    void printCertificatePlaysNoClickAndKeepsTheScreen()
    {
        TestEnvironment env;
        writeFightersQuestions(env);
        Module1.soundOn = 1;
        Welldone &results = finishQuizWrongAt({});
        QVERIFY(waitForRewardSequence(results));
        env.sound->played.clear();
        clickOn(results.Label3[0]);
        QVERIFY(env.sound->played.isEmpty());
        QCOMPARE(env.messages.size(), 1); // printing tells the pupil how it went
        QCOMPARE(topScreenName(), QStringLiteral("Welldone"));
        QVERIFY(!isLoaded<Wrong>() || !touch<Wrong>().isVisible());
    }

    void theNameBoxTakesTwentyFiveCharacters()
    {
        TestEnvironment env;
        Welldone &results = showActivityResult(5, 5);
        QVERIFY(waitForRewardSequence(results));
        QTest::keyClicks(results.Text1, QStringLiteral("Alexandra Konstantinopoulou"));
        QCOMPARE(results.Text1->text(), QStringLiteral("Alexandra Konstantinopoul"));
        QCOMPARE(twips::geometryOf(results.Text1), QRectF(3120, 6600, 5760, 615));
    }

    void buttonsDimWhenThePointerCrossesTheBackground()
    {
        TestEnvironment env;
        Welldone &results = showActivityResult(10, 10);
        QVERIFY(waitForRewardSequence(results));
        hoverOver(&results, QPoint(100, 300));
        QCOMPARE(results.Label3[0]->backStyle(), BackStyle::Transparent);
        QCOMPARE(results.Label3[1]->backStyle(), BackStyle::Transparent);
        hoverOver(results.Label3[1]);
        QCOMPARE(results.Label3[1]->backStyle(), BackStyle::Opaque);
        QCOMPARE(results.Label3[0]->backStyle(), BackStyle::Transparent);
    }
};

VELMORA_TEST(WelldoneTest)
#include "welldone_test.moc"
