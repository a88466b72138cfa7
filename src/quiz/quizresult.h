#pragma once
// A finished quiz's or activity's result, handed to the results screen as a
// value: the results screen decides its whole look, and whether the pupil
// earns a certificate, from this alone.
#include <QList>
#include <QString>

struct WrongAnswer {
    int question = 0; // 1 to 10
    QString text;
};

struct QuizResult {
    int score = 0;
    int maximum = 0;
    // A quiz lists its wrong answers, in question order, under its title; an activity lists none.
    bool fromQuiz = false;
    QString quizTitle;
    QList<WrongAnswer> wrongAnswers;

    static QuizResult ofActivity(int score, int maximum) { return {score, maximum, false, {}, {}}; }
};

// The one rule for the certificate, for offering it and for printing it: a full score.
inline bool earnsCertificate(const QuizResult &result) { return result.score == result.maximum; }
