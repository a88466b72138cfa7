#pragma once
// GIFT, the plain-text question format of Moodle and the tools that follow it.
//
// Reading: questions are separated by blank lines; a line whose first
// characters (after spaces) are "//" is a comment; "$CATEGORY: a/b/c" puts
// the questions after it in category c ("//" in a category name is a plain
// "/"). A question is an optional name between "::" and "::", an optional
// text format ([html], [moodle], [plain], [markdown]), its text and its
// answers between "{" and "}"; text after the "}" makes it a missing-word
// question, whose gap is written "_____". A backslash makes the next of
// ~ = # { } : \ plain text, and "\n" is a line break. Answers start with
// "=" (right) or "~" (wrong), may give a percentage of the marks ("~%50%"),
// and end their own text at "#", where their feedback begins. A brace
// holding no "~" answer is a short-answer question, "T"/"F" (or TRUE and
// FALSE) a true/false one, "->" a matching one, "#" a numerical one,
// nothing an essay; a question without braces is a description.
//
// Writing: each worksheet as a category named after its title, each
// question named after the title and its number, its right answer "=" and
// the three others "~", in the order A to D, every reserved character escaped.
#include "worksheets/foreignquestion.h"
#include "worksheets/worksheetcontent.h"

// The questions of a GIFT file's lines, in order.
QList<ForeignQuestion> readGift(const QStringList &lines);

// Why GIFT cannot carry the worksheet exactly, one line for each question
// or answer it cannot (empty when it can).
QStringList giftCannotHold(const WorksheetContent &worksheet);
// The lines of a GIFT file holding the worksheets, each under its title.
QStringList writeGift(const QList<WorksheetContent> &worksheets);
