#pragma once
// Questions from a GIFT or Aiken file, for a worksheet: the file's
// multiple-choice questions that fit one (four answers, one of them right,
// text a worksheet file keeps that fits the wizard's boxes), the first ten
// of them in the file's order, and every question that could not be used,
// with its line and why. Nothing here saves anything.
#include "worksheets/foreignquestion.h"

struct SkippedQuestion {
    int line = 0;
    QString reason; // "it is a true/false question"
};

struct WorksheetImport {
    enum class Outcome { Read, CannotOpen, TooLarge, Empty, NotText, NoQuestions };
    Outcome outcome = Outcome::CannotOpen;
    WorksheetContent worksheet; // the title and the first `filled` questions, their right answers ticked
    int filled = 0;             // questions put into the worksheet, at most ten
    int moreFitting = 0;        // questions that fit beyond the tenth, left out
    QList<SkippedQuestion> skipped;
};

// Reads bytes, from a file called fileName, as GIFT or as Aiken, whichever
// finds more questions in them. The title is the category of the first
// question used, else the file's name without its extension, cut to the
// title box's length.
WorksheetImport importQuestions(const QByteArray &bytes, const QString &fileName);
// The same for the file at path, which is read only when it is a regular
// file of at most a megabyte.
WorksheetImport importQuestionFile(const QString &path);

// Why the question cannot go into a worksheet, or nothing when it can.
std::optional<QString> whyQuestionDoesNotFit(const ForeignQuestion &question);

// What the teacher is told when the wizard has been filled, or why nothing
// was; fileName names the file as the teacher knows it.
QString importMessage(const WorksheetImport &import, const QString &fileName);
// "These questions could not be used:" and a line for each (the first
// twenty), or nothing when every question was used.
QString skippedQuestionsText(const WorksheetImport &import);
