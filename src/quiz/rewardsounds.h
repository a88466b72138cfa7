#pragma once
// The reward sound a score earns. The sound depends on the score alone, not
// on the maximum, so a ten-question quiz reaches the rows for 6 to 10 and a
// five-item activity none of them.
#include <QString>
#include <QStringList>

// The sounds one score may earn, in the order a random pick indexes them;
// empty for scores that earn none (0 to 5, 13 and more).
QStringList rewardSoundsFor(int score);

// Picks the sound for a score: with several choices one random number u in
// [0, 1) is drawn and choice floor(u x count) plays; a single choice draws
// nothing. Empty when the score earns no sound.
QString pickRewardSound(int score);
