#pragma once
// A worksheet as the wizard's boxes hold it: the title, ten question boxes
// (question q + 1 in box q), forty answer boxes and forty tick boxes (answer
// a of question q + 1, a = 0..3 for A..D, in box 4q + a).
#include <QString>
#include <array>

struct WorksheetContent {
    QString title;
    std::array<QString, 10> questions;
    std::array<QString, 40> answers;
    std::array<bool, 40> ticks{};
};
