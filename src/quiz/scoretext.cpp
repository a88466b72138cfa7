#include "quiz/scoretext.h"

QString scoreMessage(const QString &openingWords, int score, int maximum)
{
    return openingWords + numberWithSignPlace(score) + QStringLiteral(" out of") + numberWithSignPlace(maximum) +
           QLatin1Char('.');
}

// A full score earns the certificate; otherwise a quiz points to its wrong
// answers and an activity, which lists none, advises the key facts.
ResultsLook resultsLook(const QuizResult &result)
{
    const int s = result.score, n = result.maximum;
    if (earnsCertificate(result))
        return {scoreMessage(QStringLiteral("Excellent work. You have scored"), s, n), {},
                QStringLiteral("Print Certificate"), false, true};
    const bool nearlyFull = s == n - 1 || s == n - 2;
    const QString opening = nearlyFull ? QStringLiteral("Good work. You have scored") : QStringLiteral("You have scored");
    if (!result.fromQuiz)
        return {scoreMessage(opening, s, n), {}, {}, true, false};
    return {scoreMessage(opening, s, n),
            QStringLiteral("Click the button above to check which questions you answered incorrectly."),
            QStringLiteral("Check Wrong Answers"), false, false};
}
