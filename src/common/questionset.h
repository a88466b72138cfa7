#pragma once
// A right-answer entry of a question set is text ("1" to "4") taken as a
// whole number when used. These say whether it names one of the four answers.
#include <QString>
#include <optional>

// 1 to 4 for an entry that is that whole number (spaces around it allowed);
// nothing for anything else ("", "5", "0", "x", "2.5").
std::optional<int> rightAnswerChoice(const QString &entry);
// The first question, 1 to 10, of the loaded set (Module1.correctAnswer)
// whose entry names no answer; nothing when all ten do.
std::optional<int> firstQuestionWithoutRightAnswer();
