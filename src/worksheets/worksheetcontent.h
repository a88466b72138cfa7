#pragma once
// A worksheet as the wizard's boxes hold it: the title, ten question boxes
// (question q + 1 in box q), forty answer boxes and forty tick boxes (answer
// a of question q + 1, a = 0..3 for A..D, in box 4q + a).
#include "common/module1.h"

#include <QString>
#include <array>

constexpr int answerBoxes = questionsPerSet * answersPerQuestion;

struct WorksheetContent {
    QString title;
    std::array<QString, questionsPerSet> questions;
    std::array<QString, answerBoxes> answers;
    std::array<bool, answerBoxes> ticks{};
};
