#pragma once
// What the quiz stories share: question files written byte for byte into the
// test's own "multiple" folder, and a pupil's clicks through the quiz.
#include <QList>
#include <QString>

class TestEnvironment;
class multiple;

// The right answer (1 to 4) of each of the ten questions of the test set.
extern const QList<int> kRightAnswers;

// Question k of the test set, "Question text k".
QString testQuestion(int k);

// Writes a 72-line question file (CR LF) named fileName into the test's
// "multiple" folder. rightAnswers holds the ten right-answer entries as written.
void writeQuestionFile(const TestEnvironment &env, const QString &fileName, const QString &title,
                       const QStringList &rightAnswers);
// The test set with kRightAnswers under the name the Greek Fighters menu opens.
void writeFightersQuestions(const TestEnvironment &env, const QString &title = QStringLiteral("Test Set"));

// Opens the Greek Fighters menu, clicks "Multiple Choice" and returns the quiz.
multiple &openFightersQuiz();

// Clicks an answer the way a pupil does, on its round button.
void chooseAnswer(multiple &quiz, int choice);
void clickNext(multiple &quiz);
// Answers all ten questions: choice 0 leaves a question unanswered.
void answerAll(multiple &quiz, const QList<int> &choices);
// The ten choices that get every question right except those listed.
QList<int> choicesWrongAt(const QList<int> &wrongQuestions);
