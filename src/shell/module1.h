#pragma once
// The shared state every screen reads and writes. It lives for the whole run,
// starts empty (numbers 0, strings ""), and is never saved.
#include <QString>
#include <array>
#include <optional>

struct Module1State {
    // Sound switch: empty until the main menu first loads, so a comparison
    // with 1 fails at the very first title screen.
    std::optional<int> soundOn;

    // Page viewer and guide.
    int currentPage = 0;
    int pageCount = 0;
    QString pageBaseName;
    int logoFrame = 0;

    // Worksheet catalogue (slots 1..worksheetCount used).
    int worksheetCount = 0;
    std::array<QString, 1001> worksheetTitles;
    int cataloguePage = 0;
    QString selectedWorksheet;

    // The loaded question set (slots 1..10 used, slot 0 stays empty).
    QString quizTitle;
    std::array<QString, 11> questionText;
    std::array<QString, 11> answerA;
    std::array<QString, 11> answerB;
    std::array<QString, 11> answerC;
    std::array<QString, 11> answerD;
    std::array<QString, 11> correctAnswer;

    // The quiz in progress and the last result.
    int questionNumber = 0;
    std::array<int, 11> questionMark{};
    QString certificateSubject;
    int score = 0;
    int questionCount = 0;
};

// The one instance, under the name every screen uses.
extern Module1State Module1;

// Highest catalogue slot.
constexpr int maxWorksheets = 1000;
