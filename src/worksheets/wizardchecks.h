#pragma once
// The wizard's completeness checks, in the order a teacher meets them: the
// title first, then each question in turn, its text before its answers A to D,
// so the message always names the first question with a fault. A box is
// empty only when it holds no characters at all; a box of spaces is filled.
#include "worksheets/worksheetcontent.h"

#include <QString>

// The message for the first fault, or an empty string when the worksheet is
// complete: a title, every question and answer filled, one tick per question.
QString firstWorksheetFault(const WorksheetContent &worksheet);
