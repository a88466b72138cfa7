// The results after a quiz or an activity: praise by score, the reward
// sequence, the wrong answers and both ways out.
#include "quiz/quizdriver.h"
#include "quiz/welldone.h"
#include "quiz/wrong.h"
#include "common/module1.h"
#include "support/testenv.h"
#include "testregistry.h"

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
    // After a quiz the hint to check the wrong answers shows; after an
    // activity only the advice to read the key facts. A full score offers the
    // certificate and its name box; a reward sound needs a score of 6 or more.
    void scoresShowTheirMessages_data()
    {
        QTest::addColumn<bool>("quiz");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("message");
        QTest::addRow("quiz, 10 of 10") << true << 10 << 10 << "Excellent work. You have scored 10 out of 10.";
        QTest::addRow("quiz, 9 of 10") << true << 9 << 10 << "Good work. You have scored 9 out of 10.";
        QTest::addRow("quiz, 8 of 10") << true << 8 << 10 << "Good work. You have scored 8 out of 10.";
        QTest::addRow("quiz, 7 of 10") << true << 7 << 10 << "You have scored 7 out of 10.";
        QTest::addRow("activity, 6 of 6") << false << 6 << 6 << "Excellent work. You have scored 6 out of 6.";
        QTest::addRow("activity, 5 of 6") << false << 5 << 6 << "Good work. You have scored 5 out of 6.";
        QTest::addRow("activity, 4 of 6") << false << 4 << 6 << "Good work. You have scored 4 out of 6.";
        QTest::addRow("activity, 3 of 6") << false << 3 << 6 << "You have scored 3 out of 6.";
    }

    void scoresShowTheirMessages()
    {
        QFETCH(bool, quiz);
        QFETCH(int, score);
        QFETCH(int, maximum);
        QFETCH(QString, message);
        TestEnvironment env;
        writeFightersQuestions(env);
        Module1.soundOn = 1;
        QList<int> wrong;
        for (int q = 1; q <= maximum - score; ++q)
            wrong << q;
        Welldone &results = quiz ? finishQuizWrongAt(wrong) : showActivityResult(score, maximum);
        env.sound->played.clear();
        const bool full = score == maximum;
        QCOMPARE(topScreenName(), QStringLiteral("Welldone"));
        QCOMPARE(results.Label4->caption(), QStringLiteral("Well Done!"));
        QCOMPARE(results.Label1->caption(), message);
        QCOMPARE(results.Label3[0]->isHidden(), !quiz && !full);
        QCOMPARE(results.Label3[0]->caption(), full ? QStringLiteral("Print Certificate") : QStringLiteral("Check Wrong Answers"));
        QCOMPARE(results.Label5->isHidden(), !quiz);
        QCOMPARE(results.Label5->caption(), full ? QString() : kHint);
        QCOMPARE(results.Label6->isHidden(), quiz || full);
        QCOMPARE(results.Label6->caption(), QStringLiteral("Read the Key Facts and try again."));
        QCOMPARE(results.Text1->isHidden(), !full);
        QCOMPARE(results.Label2->isHidden(), !full);
        QCOMPARE(results.Label2->caption(),
                 QStringLiteral("Enter your name in the box above before printing your certificate"));
        QVERIFY(waitForRewardSequence(results));
        QCOMPARE(env.sound->played.size(), score >= 6 ? 1 : 0);
        if (!quiz)
            return;
        // "Exit" closes the results and the hidden list of wrong answers.
        QVERIFY(isLoaded<Wrong>());
        env.sound->playedWithTop.clear();
        clickOn(results.Label3[1]);
        QVERIFY(!isLoaded<Welldone>() && !isLoaded<Wrong>());
        QCOMPARE(topScreenName(), QStringLiteral("fighters"));
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@fighters"});
    }

    // The picture shows, then the name box takes the focus and the buttons
    // light up, then the reward sound plays, or nothing with sound off.
    void theRewardSequenceRuns_data()
    {
        QTest::addColumn<int>("soundOn");
        QTest::addColumn<QStringList>("sounds");
        QTest::addRow("sound on") << 1 << QStringList{"wav\\fanf3.wav"};
        QTest::addRow("sound off") << 0 << QStringList{};
    }

    void theRewardSequenceRuns()
    {
        QFETCH(int, soundOn);
        QFETCH(QStringList, sounds);
        TestEnvironment env;
        writeFightersQuestions(env);
        Module1.soundOn = soundOn;
        env.randomNumbers = {0.75};
        Welldone &results = finishQuizWrongAt({});
        QVERIFY(results.Picture1->picturePath().isEmpty());
        QCOMPARE(results.Label3[0]->backStyle(), BackStyle::Transparent);
        env.sound->played.clear();
        QVERIFY(waitForRewardSequence(results));
        QCOMPARE(results.Picture1->picturePath(), QStringLiteral("images\\schoolsm.jpg"));
        QCOMPARE(results.focusWidget(), static_cast<QWidget *>(results.Text1));
        QCOMPARE(results.Label3[0]->backStyle(), BackStyle::Opaque);
        QCOMPARE(results.Label3[1]->backStyle(), BackStyle::Opaque);
        QCOMPARE(env.sound->played, sounds);
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
        hoverOver(&wrong, QPoint(5, 50));
        QCOMPARE(wrong.Label3[1]->backStyle(), BackStyle::Opaque); // no highlight behaviour here
        env.sound->playedWithTop.clear();
        clickOn(wrong.Label3[1]);
        QVERIFY(!isLoaded<Wrong>());
        QVERIFY(!isLoaded<Welldone>());
        QCOMPARE(topScreenName(), QStringLiteral("fighters"));
        QVERIFY(env.sound->playedWithTop.isEmpty());
    }

    void theNameBoxTakesTwentyFiveCharactersAndButtonsDimOverTheBackground()
    {
        TestEnvironment env;
        Welldone &results = showActivityResult(5, 5);
        QVERIFY(waitForRewardSequence(results));
        QTest::keyClicks(results.Text1, QStringLiteral("Alexandra Konstantinopoulou"));
        QCOMPARE(results.Text1->text(), QStringLiteral("Alexandra Konstantinopoul"));
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
