#pragma once
// The one rule for worksheet titles. A title is a catalogue line and, with
// ".txt", the name of a file in the worksheet folder, which may move between
// Linux and Windows PCs; so a title is refused, before anything is written,
// on every platform, when either could not hold it. (An empty title is the
// wizard's own first check.)
#include <QString>
#include <QStringList>

enum class TitleProblem {
    None,
    Comma,              // older programs sharing the folder would split its catalogue line
    ForbiddenCharacter, // one of \ / : * ? " < > |, which no Windows file name holds
    ControlCharacter,   // a tab, a line break or another invisible character
    OutsideCodePage,    // a character a worksheet file cannot hold (Greek letters, emoji)
    OuterSpace,         // Windows drops trailing spaces and the catalogue leading ones
    TrailingFullStop,   // Windows drops it, so the file would get another name
    ReservedDeviceName, // CON, PRN, AUX, NUL, COM0-9, LPT0-9 in any case, also before a dot
    ProgramFileName,    // "Greek Fighters", "Greek Writing" or "track" in any case
    PathTooLong,        // the folder, the title and ".txt" beyond what Windows opens
    LookAlikeListed,    // differs from a listed title only in letter case: one file on Windows
};

struct TitleCheck {
    TitleProblem problem = TitleProblem::None;
    QString listedTitle; // LookAlikeListed: the title the catalogue holds
};

// Whether title can be saved in folder, whose catalogue lists listed. A
// title listed exactly is the worksheet being edited: older catalogues hold
// titles with commas, which can still be edited, but every other rule holds.
TitleCheck checkWorksheetTitle(const QString &title, const QString &folder, const QStringList &listed);
// For the teacher: why the title cannot be used, and what to do.
QString worksheetTitleMessage(const TitleCheck &check, const QString &title, const QString &folder);

// Whether title + ".txt" names a file directly inside a folder (no folder
// separator or drive colon): the least any title read from a catalogue must
// meet before its file is opened.
bool titleStaysInFolder(const QString &title);
