#pragma once
// Checks made before the quiz screen opens. A quiz only starts on a complete
// question set whose every question names one of its four answers as right:
// otherwise a pupil who chose nothing would score the question (the hidden
// "no answer" choice) and nobody could score it at all. Each check tells the
// user what is wrong and returns false, so the opener stays where it is.
#include <QString>

// Opens, loads and closes a question file such as "multiple\Greek Fighters.txt".
bool loadQuizQuestions(const QString &relativePath);

// Whether the loaded set can be answered and scored.
bool quizSetCanBeAnswered();
