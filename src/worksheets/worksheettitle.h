#pragma once
// Which worksheet titles can be saved. A title is both a catalogue line and,
// with ".txt", a file name on a Windows PC, so it is refused, before anything
// is written, when either would not hold it. (An empty title is the wizard's
// own first check and passes here.)
#include <QString>

enum class TitleProblem {
    None,
    Comma,                // older programs sharing the folder would split its catalogue line
    ForbiddenCharacter,   // one of \ / : * ? " < > |, which no Windows file name holds
    ControlCharacter,     // a tab or other invisible character
    OuterSpace,           // Windows drops trailing spaces and the catalogue leading ones
    TrailingFullStop,     // Windows drops it, so the file would get another name
    ReservedDeviceName,   // CON, PRN, AUX, NUL, COM0-9, LPT0-9 in any case, also before a dot
    ProgramFileName,      // "Greek Fighters", "Greek Writing" or "track" in any case
};

TitleProblem worksheetTitleProblem(const QString &title);
// A message for the teacher that says why the title cannot be used.
QString worksheetTitleMessage(TitleProblem problem, const QString &title);
