#pragma once
// The shared state every screen reads and writes. It lives for the whole run,
// starts empty (numbers 0, strings ""), and is never saved.
#include <QString>
#include <array>
#include <optional>

// A question set: ten questions in slots 1 to 10 (slot 0 stays empty), each
// with four answers.
constexpr int questionsPerSet = 10;
constexpr int answersPerQuestion = 4;
// The worksheet catalogue: at most 1000 titles, in slots 1 to 1000.
constexpr int maxWorksheets = 1000;

using QuestionSlots = std::array<QString, questionsPerSet + 1>;
using CatalogueTitles = std::array<QString, maxWorksheets + 1>;

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
    CatalogueTitles worksheetTitles;
    int cataloguePage = 0;
    QString selectedWorksheet;

    // The loaded question set.
    QString quizTitle;
    QuestionSlots questionText;
    QuestionSlots answerA;
    QuestionSlots answerB;
    QuestionSlots answerC;
    QuestionSlots answerD;
    QuestionSlots correctAnswer;

    // The quiz in progress and the last result.
    int questionNumber = 0;
    std::array<int, questionsPerSet + 1> questionMark{};
    QString certificateSubject;
    int score = 0;
    int questionCount = 0;
};

// The one instance, under the name every screen uses.
extern Module1State Module1;
