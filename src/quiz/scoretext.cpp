#include "quiz/scoretext.h"

QString scoreMessage(const QString &openingWords, int score, int maximum)
{
    return openingWords + numberWithSignPlace(score) + QStringLiteral(" out of") + numberWithSignPlace(maximum) +
           QLatin1Char('.');
}

ScoreBand scoreBand(int score, int maximum)
{
    if (score == maximum)
        return ScoreBand::Full;
    if (score == maximum - 1 || score == maximum - 2)
        return ScoreBand::NearlyFull;
    if (score < maximum - 2)
        return ScoreBand::Short;
    return ScoreBand::Beyond;
}
