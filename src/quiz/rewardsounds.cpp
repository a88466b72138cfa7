#include "quiz/rewardsounds.h"

#include "toolkit/randomsource.h"

#include <cmath>

QStringList rewardSoundsFor(int score)
{
    switch (score) {
    case 12:
        return {QStringLiteral("wav\\halleluj.wav")};
    case 11:
        return {QStringLiteral("wav\\fanf4.wav"), QStringLiteral("wav\\slot_payoff.wav")};
    case 10:
        return {QStringLiteral("wav\\fanf2.wav"), QStringLiteral("wav\\fanf3.wav")};
    case 9:
        return {QStringLiteral("wav\\crowd.wav"), QStringLiteral("wav\\cheer2.wav"), QStringLiteral("wav\\klaxon.wav")};
    case 8:
        return {QStringLiteral("wav\\flute.wav"), QStringLiteral("wav\\gong.wav"), QStringLiteral("wav\\clap2.wav")};
    case 7:
        return {QStringLiteral("wav\\drumroll.wav"), QStringLiteral("wav\\laser2.wav"), QStringLiteral("wav\\whizz.wav")};
    case 6:
        return {QStringLiteral("wav\\clap3.wav"), QStringLiteral("wav\\clown.wav")};
    default:
        return {};
    }
}

QString pickRewardSound(int score)
{
    const QStringList choices = rewardSoundsFor(score);
    if (choices.isEmpty())
        return {};
    if (choices.size() == 1)
        return choices.front();
    const int r = int(std::floor(rnd() * choices.size()));
    // A source that broke its promise of [0, 1) still picks a listed sound.
    return choices.at(qBound(0, r, int(choices.size()) - 1));
}
