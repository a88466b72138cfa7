#pragma once
// The sounds every screen plays, each named once. The reward sounds of the
// results screen are listed with the scores that earn them (quiz/rewardsounds).
#include <QString>

namespace sounds {
// After a button's action.
inline const QString click = QStringLiteral("wav\\click.wav");
// When a quiz answer is chosen.
inline const QString typekey = QStringLiteral("wav\\typekey.wav");
// Each time a dropped label snaps into a box or a home slot.
inline const QString thud = QStringLiteral("wav\\thud3.wav");
} // namespace sounds
