#pragma once
// The words of the results screen, worked out from the score alone.
#include "toolkit/numbertext.h"

#include <QString>

// "You have scored 7 out of 10." built from its opening words.
QString scoreMessage(const QString &openingWords, int score, int maximum);

// How the results screen praises a score out of a maximum.
enum class ScoreBand {
    Full,       // every item right
    NearlyFull, // one or two short
    Short,      // three or more short
    Beyond,     // more than the maximum: the screen keeps its design state
};
ScoreBand scoreBand(int score, int maximum);
