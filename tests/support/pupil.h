#pragma once
// A pupil's and a teacher's hands: real clicks and key presses on the
// screens, and the question files the stories start from.
#include "worksheets/worksheetcontent.h"

#include <QList>
#include <qnamespace.h>
#include <QString>

class DragActivity;
class Label;
class QWidget;
class Screen;
class TestEnvironment;
class multiple;
class wizard;

// The right answer (1 to 4) of each of the ten questions of the test set,
// whose question k reads "Question text k" and its answers "Answer kA" to "Answer kD".
extern const QList<int> kRightAnswers;
QString testQuestion(int k);
// Writes the test set as a question file into the test's "multiple" folder,
// with the right-answer entries as given (from kRightAnswers past those),
// cut to its first `lines` lines or padded with lines of "more,fields"
// (0: no file at all).
void writeQuestionFile(const TestEnvironment &env, const QString &fileName = QStringLiteral("Greek Fighters.txt"),
                       const QString &title = QStringLiteral("Test Set"), const QStringList &rightAnswers = {},
                       int lines = 72);

// Shows the main menu and clicks one of its entries; returns the screen on top.
Screen &clickMainMenuEntry(int entry);
// Shows a topic menu ("fighters" or "writing") and clicks one of its buttons
// (0 "Multiple Choice", 1 "Labelling Activity", 3 "Ordering Activity");
// returns the screen on top.
Screen &clickTopicMenuButton(const QString &unit, int button);
// Opens the Greek Fighters menu, clicks "Multiple Choice" and returns the quiz.
multiple &openFightersQuiz();
// Answers the ten questions in turn: choice 0 leaves a question unanswered.
void answerAll(multiple &quiz, const QList<int> &choices);

// Presses on the label's middle, moves it with the left button held in four
// steps until its top-left corner is at (left, top) twips, and releases it.
void dragLabelTo(Label *label, double left, double top);
// Drags label `labelIndex` straight onto box `boxIndex`.
void dragIntoBox(DragActivity &screen, int labelIndex, int boxIndex);

// The test set as a worksheet, whose question 1 and answer B of question 2
// hold commas.
WorksheetContent sampleWorksheet(const QString &title);
// Types with real key events; characters beyond ASCII arrive as a keyboard
// layout delivers them, as the key's text.
void typeInto(QWidget *box, const QString &text);
// Types the title, every question and answer, and clicks the ticked boxes.
void typeWorksheet(wizard &editor, const WorksheetContent &worksheet);

// The keyboard alone. Keys go where the focus is on the screen on top, as
// the window system sends them.
void pressKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void typeKeys(const QString &text);
// Presses Tab until the control has the focus (the test fails when Tab
// never gets there), then the key, if any.
void tabTo(QWidget *control, int thenPress = 0);
// The wizard in its Enter and Tab order: every box typed, the right answers
// ticked with Space, then Enter on "Save Worksheet".
void saveWorksheetByKeys(const WorksheetContent &worksheet);
