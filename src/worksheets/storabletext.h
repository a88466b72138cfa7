#pragma once
// Whether a worksheet's text can be stored in its file as typed. Worksheet
// files hold one Windows-1252 byte per character, one field per line, so
// Greek letters or emoji would be replaced and a line break would split a
// field; a field beginning with a double quote would load back cut short.
// The wizard refuses to save such text and names the box. (The title has
// rules of its own: worksheettitle.h.)
#include "worksheets/worksheetcontent.h"

#include <QString>
#include <optional>

enum class WizardBox { Question, Answer };

struct TextNotStorable {
    enum class Reason { OutsideCodePage, LineBreak, LeadingQuote };
    WizardBox box;
    int index;          // question box 0..9 or answer box 0..39
    Reason reason;
    QString characters; // the characters that cannot be stored (OutsideCodePage)
};

// Why the text of one box cannot be stored as typed, or nothing when it can.
std::optional<TextNotStorable> textNotStorable(const QString &text, WizardBox box, int index);
// The first box, in tab order (each question followed by its answers A to
// D), whose text cannot be stored as typed.
std::optional<TextNotStorable> firstTextNotStorable(const WorksheetContent &worksheet);
// For the teacher: which box, and why, e.g. "Answer B of Question 3 ...".
QString textNotStorableMessage(const TextNotStorable &problem);
