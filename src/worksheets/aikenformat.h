#pragma once
// Aiken, the simplest multiple-choice format of Moodle and the tools that
// follow it: the question on one line, each answer on a line of its own
// starting with a capital letter, a full stop or a bracket and a space
// ("A. " or "A) "), then "ANSWER: " and the right answer's letter. Blank
// lines between questions are ignored; the format has no titles, names,
// categories or comments.
#include "worksheets/foreignquestion.h"

// The questions of an Aiken file's lines, in order.
QList<ForeignQuestion> readAiken(const QStringList &lines);

// Why Aiken cannot carry the worksheet exactly, one line for each question
// or answer it cannot (empty when it can).
QStringList aikenCannotHold(const WorksheetContent &worksheet);
// The lines of an Aiken file holding the worksheets' questions, one after
// another, a blank line after each.
QStringList writeAiken(const QList<WorksheetContent> &worksheets);
