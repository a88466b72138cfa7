// The reward sound a score earns: one random number picks among several
// choices, checked at the edges of each choice's share; a single choice and
// the scores that earn nothing draw no number.
#include "quiz/rewardsounds.h"
#include "support/testenv.h"
#include "testregistry.h"

#include <cmath>
#include <QtTest>

class RewardSoundsTest : public QObject {
    Q_OBJECT
private slots:
    void theRandomNumberPicksTheSound_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<double>("u");
        QTest::addColumn<QString>("sound");
        QTest::addColumn<int>("draws");
        const auto below = [](double x) { return std::nextafter(x, 0.0); };
        QTest::addRow("three choices, u = 0") << 9 << 0.0 << "wav\\crowd.wav" << 1;
        QTest::addRow("three choices, just below 1/3") << 9 << below(1.0 / 3) << "wav\\crowd.wav" << 1;
        QTest::addRow("three choices, u = 1/3") << 9 << 1.0 / 3 << "wav\\cheer2.wav" << 1;
        QTest::addRow("three choices, just below 2/3") << 9 << below(2.0 / 3) << "wav\\cheer2.wav" << 1;
        QTest::addRow("three choices, u = 2/3") << 9 << 2.0 / 3 << "wav\\klaxon.wav" << 1;
        QTest::addRow("three choices, just below 1") << 9 << below(1.0) << "wav\\klaxon.wav" << 1;
        QTest::addRow("two choices, just below 1/2") << 6 << below(0.5) << "wav\\clap3.wav" << 1;
        QTest::addRow("two choices, u = 1/2") << 6 << 0.5 << "wav\\clown.wav" << 1;
        QTest::addRow("one choice") << 12 << 0.9 << "wav\\halleluj.wav" << 0;
        for (int score : {-1, 0, 5, 13})
            QTest::addRow("score %d earns nothing", score) << score << 0.5 << QString() << 0;
        // A source that breaks its promise of [0, 1) still picks a listed sound.
        QTest::addRow("u = 1") << 9 << 1.0 << "wav\\klaxon.wav" << 1;
        QTest::addRow("u below 0") << 9 << -0.2 << "wav\\crowd.wav" << 1;
    }

    void theRandomNumberPicksTheSound()
    {
        QFETCH(int, score);
        QFETCH(double, u);
        QFETCH(QString, sound);
        QFETCH(int, draws);
        TestEnvironment env;
        env.randomNumbers = {u, 0.0};
        QCOMPARE(pickRewardSound(score), sound);
        QCOMPARE(int(2 - env.randomNumbers.size()), draws);
    }
};

VELMORA_TEST(RewardSoundsTest)
#include "rewardsounds_test.moc"
