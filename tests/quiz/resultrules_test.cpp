// The results screen's rules, row by row against its description: the words
// and offers for each score band, after a quiz and after an activity, and
// the reward sound each score earns with each random number.
#include "quiz/rewardsounds.h"
#include "quiz/scoretext.h"
#include "testregistry.h"
#include "toolkit/randomsource.h"

#include <QtTest>

class ResultRulesTest : public QObject {
    Q_OBJECT
private slots:
    void eachScoreBand_data()
    {
        QTest::addColumn<bool>("fromQuiz");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QStringList>("look"); // message, hint, first button, advice, name box
        const QString hint = QStringLiteral("Click the button above to check which questions you answered incorrectly.");
        const QString check = QStringLiteral("Check Wrong Answers"), print = QStringLiteral("Print Certificate");
        QTest::addRow("quiz, full") << true << 10 << 10 << QStringList{"Excellent work. You have scored 10 out of 10.", "", print, "", "name"};
        QTest::addRow("quiz, 1 short") << true << 9 << 10 << QStringList{"Good work. You have scored 9 out of 10.", hint, check, "", ""};
        QTest::addRow("quiz, 2 short") << true << 8 << 10 << QStringList{"Good work. You have scored 8 out of 10.", hint, check, "", ""};
        QTest::addRow("quiz, 3 short") << true << 7 << 10 << QStringList{"You have scored 7 out of 10.", hint, check, "", ""};
        QTest::addRow("quiz, none right") << true << 0 << 10 << QStringList{"You have scored 0 out of 10.", hint, check, "", ""};
        QTest::addRow("activity, full") << false << 6 << 6 << QStringList{"Excellent work. You have scored 6 out of 6.", "", print, "", "name"};
        QTest::addRow("activity, 1 short") << false << 4 << 5 << QStringList{"Good work. You have scored 4 out of 5.", "", "", "advice", ""};
        QTest::addRow("activity, 2 short") << false << 8 << 10 << QStringList{"Good work. You have scored 8 out of 10.", "", "", "advice", ""};
        QTest::addRow("activity, 3 short") << false << 3 << 6 << QStringList{"You have scored 3 out of 6.", "", "", "advice", ""};
    }
    void eachScoreBand()
    {
        QFETCH(bool, fromQuiz);
        QFETCH(int, score);
        QFETCH(int, maximum);
        const ResultsLook look = resultsLook({score, maximum, fromQuiz, {}, {}});
        QTEST((QStringList{look.message, look.hint, look.firstButton, look.advice ? "advice" : "", look.nameBox ? "name" : ""}), "look");
    }

    // r = floor(u x the row's count), u in [0, 1): each sound of a row at the
    // lowest and the highest u that picks it.
    void theRewardSoundOfEachScore_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<QStringList>("sounds"); // by r
        QTest::addRow("12") << 12 << QStringList{"halleluj"};
        QTest::addRow("11") << 11 << QStringList{"fanf4", "slot_payoff"};
        QTest::addRow("10") << 10 << QStringList{"fanf2", "fanf3"};
        QTest::addRow("9") << 9 << QStringList{"crowd", "cheer2", "klaxon"};
        QTest::addRow("8") << 8 << QStringList{"flute", "gong", "clap2"};
        QTest::addRow("7") << 7 << QStringList{"drumroll", "laser2", "whizz"};
        QTest::addRow("6") << 6 << QStringList{"clap3", "clown"};
        for (int score : {0, 1, 5, 13, 14})
            QTest::addRow("%d", score) << score << QStringList{};
    }
    void theRewardSoundOfEachScore()
    {
        QFETCH(int, score);
        QFETCH(QStringList, sounds);
        const int n = int(sounds.size()), rows = std::max(n, 1);
        QStringList picked, expected;
        for (int r = 0; r < rows; ++r)
            for (double u : {double(r) / rows, std::nextafter(double(r + 1) / rows, 0.0)}) {
                setRandomSource([u] { return u; });
                picked << pickRewardSound(score);
                expected << (n == 0 ? QString() : "wav\\" + sounds[r] + ".wav");
            }
        setRandomSource({});
        QCOMPARE(picked, expected);
    }
};

VELMORA_TEST(ResultRulesTest)
#include "resultrules_test.moc"
