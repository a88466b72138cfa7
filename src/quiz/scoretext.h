#pragma once
// The words of the results screen, worked out from the result alone.
#include "quiz/quizresult.h"
#include "toolkit/numbertext.h"

#include <QString>

// "You have scored 7 out of 10." built from its opening words.
QString scoreMessage(const QString &openingWords, int score, int maximum);

// What the results screen shows for a result, praising a full score, one or
// two short, and three or more short each in their own words; an empty text
// is not shown.
struct ResultsLook {
    QString message;     // the praise with the score
    QString hint;        // under the message: where to find the wrong answers
    QString firstButton; // "Print Certificate" or "Check Wrong Answers"
    bool advice = false; // "Read the Key Facts and try again."
    bool nameBox = false; // the name box and its instruction, for the certificate
};
ResultsLook resultsLook(const QuizResult &result);
