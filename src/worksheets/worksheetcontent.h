#pragma once
// A worksheet as the wizard's boxes hold it: the title, ten question boxes
// (question q + 1 in box q), forty answer boxes and forty tick boxes (answer
// a of question q + 1, a = 0..3 for A..D, in box 4q + a).
#include "common/module1.h"

#include <QString>
#include <array>

constexpr int answerBoxes = questionsPerSet * answersPerQuestion;
// The most characters each of the wizard's boxes takes.
constexpr int titleBoxLength = 25;
constexpr int questionBoxLength = 60;
constexpr int answerBoxLength = 30;

struct WorksheetContent {
    QString title;
    std::array<QString, questionsPerSet> questions;
    std::array<QString, answerBoxes> answers;
    std::array<bool, answerBoxes> ticks{};
};
