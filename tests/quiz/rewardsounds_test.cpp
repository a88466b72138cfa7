// Every row of the reward-sound table, each choice picked by a seeded random
// number, played by the results screen's reward sequence.
#include "quiz/rewardsounds.h"
#include "quiz/welldone.h"
#include "shell/module1.h"
#include "support/testenv.h"
#include "testregistry.h"

#include <QElapsedTimer>
#include <cmath>
#include <QtTest>

namespace {
bool waitForSilenceOrSound(const Welldone &results)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 3000) {
        runEventsFor(5);
        if (!results.Timer1->isEnabled() && !results.Timer2->isEnabled() && !results.Timer3->isEnabled())
            return true;
    }
    return false;
}

void addRow(int score, const QStringList &sounds)
{
    if (sounds.isEmpty()) {
        QTest::addRow("score %d earns nothing", score) << score << 0.5 << QString() << 0;
        return;
    }
    if (sounds.size() == 1) {
        QTest::addRow("score %d", score) << score << 0.5 << sounds[0] << 0;
        return;
    }
    const int n = int(sounds.size());
    for (int r = 0; r < n; ++r) {
        // The lowest and the highest random number of each choice's share.
        const double low = double(r) / n;
        const double high = std::nextafter(double(r + 1) / n, 0.0);
        QTest::addRow("score %d, u = %.4f", score, low) << score << low << sounds[r] << 1;
        QTest::addRow("score %d, u just below %.4f", score, double(r + 1) / n) << score << high << sounds[r] << 1;
    }
}
} // namespace

class RewardSoundsTest : public QObject {
    Q_OBJECT
private slots:
    void eachScorePlaysItsSound_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<double>("u");
        QTest::addColumn<QString>("sound");
        QTest::addColumn<int>("draws");
        for (int s : {0, 1, 2, 3, 4, 5, 13, 20})
            addRow(s, {});
        addRow(6, {"wav\\clap3.wav", "wav\\clown.wav"});
        addRow(7, {"wav\\drumroll.wav", "wav\\laser2.wav", "wav\\whizz.wav"});
        addRow(8, {"wav\\flute.wav", "wav\\gong.wav", "wav\\clap2.wav"});
        addRow(9, {"wav\\crowd.wav", "wav\\cheer2.wav", "wav\\klaxon.wav"});
        addRow(10, {"wav\\fanf2.wav", "wav\\fanf3.wav"});
        addRow(11, {"wav\\fanf4.wav", "wav\\slot_payoff.wav"});
        addRow(12, {"wav\\halleluj.wav"});
    }

    void eachScorePlaysItsSound()
    {
        QFETCH(int, score);
        QFETCH(double, u);
        QFETCH(QString, sound);
        QFETCH(int, draws);
        TestEnvironment env;
        Module1.soundOn = 1;
        Module1.score = score;
        Module1.questionCount = 12; // the sound goes by the score alone
        env.randomNumbers = {u, 0.0};
        Welldone &results = touch<Welldone>();
        results.showScreen();
        QVERIFY(waitForSilenceOrSound(results));
        QCOMPARE(env.sound->played, sound.isEmpty() ? QStringList{} : QStringList{sound});
        QCOMPARE(int(2 - env.randomNumbers.size()), draws); // one number drawn, and only when there is a choice
    }

    void aSourceOutsideItsRangeStillPicksAListedSound()
    {
        TestEnvironment env;
        env.randomNumbers = {1.0, -0.2};
        QCOMPARE(pickRewardSound(9), QStringLiteral("wav\\klaxon.wav"));
        QCOMPARE(pickRewardSound(9), QStringLiteral("wav\\crowd.wav"));
    }

    void everyRewardSoundIsInTheTableOnce()
    {
        QStringList all;
        for (int s = -1; s <= 14; ++s)
            all += rewardSoundsFor(s);
        QCOMPARE(all.size(), 16);
        all.removeDuplicates();
        QCOMPARE(all.size(), 16);
    }
};

VELMORA_TEST(RewardSoundsTest)
#include "rewardsounds_test.moc"
