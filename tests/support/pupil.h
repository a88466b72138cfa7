#pragma once
// A pupil's and a teacher's hands: real clicks, key presses and drags on the
// screens, and the question files the stories start from.
#include "worksheets/worksheetcontent.h"

#include <QList>
#include <QPointF>
#include <QString>

class DragActivity;
class Label;
class QLineEdit;
class Screen;
class TestEnvironment;
class multiple;
class wizard;

// The right answer (1 to 4) of each of the ten questions of the test set,
// whose question k reads "Question text k" and its answers "Answer kA" to "Answer kD".
extern const QList<int> kRightAnswers;
QString testQuestion(int k);
// Writes the test set as a question file into the test's "multiple" folder,
// with the ten right-answer entries as given (kRightAnswers when empty).
void writeQuestionFile(const TestEnvironment &env, const QString &fileName = QStringLiteral("Greek Fighters.txt"),
                       const QString &title = QStringLiteral("Test Set"), const QStringList &rightAnswers = {});

// Shows the main menu and clicks one of its entries; returns the screen on top.
Screen &clickMainMenuEntry(int entry);
// Opens the Greek Fighters menu, clicks "Multiple Choice" and returns the quiz.
multiple &openFightersQuiz();
// Clicks an answer on its round button.
void chooseAnswer(multiple &quiz, int choice);
// Answers the ten questions in turn: choice 0 leaves a question unanswered.
void answerAll(multiple &quiz, const QList<int> &choices);
// The ten choices that get every question right except those listed.
QList<int> choicesWrongAt(const QList<int> &wrongQuestions);

// The test set as a worksheet, whose question 1 and answer B of question 2
// hold commas.
WorksheetContent sampleWorksheet(const QString &title);
// Types with real key events; characters beyond ASCII arrive as a keyboard
// layout delivers them, as the key's text.
void typeInto(QLineEdit *box, const QString &text);
// Types the title, every question and answer, and clicks the ticked boxes.
void typeWorksheet(wizard &editor, const WorksheetContent &worksheet);
void clickTick(wizard &editor, int box);

// Press on the label's middle, moves with the left button held that end with
// its top-left corner at (left, top) twips, then the release.
void dragLabelTo(Label *label, double left, double top);
// Drags label `labelIndex` straight onto box `boxIndex`.
void dragIntoBox(DragActivity &screen, int labelIndex, int boxIndex);
QPointF cornerOf(const Label *label);
