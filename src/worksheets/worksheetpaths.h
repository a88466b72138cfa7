#pragma once
// Where teachers' worksheets and their catalogue live. The worksheet folder is
// the first of:
//  1. the content's own "multiple" folder, when the content lies beside the
//     program (not the installed copy) and that folder can be written: the
//     build folder, or a copy of the program kept with its content;
//  2. the folder named for the whole machine in the system settings file
//     velmora/velmora.conf under $XDG_CONFIG_DIRS (by default /etc/xdg):
//         [Worksheets]
//         Folder=/srv/velmora/worksheets
//  3. the user's own data folder, velmora/multiple under $XDG_DATA_HOME
//     (by default ~/.local/share).
// Topic question files are never looked for here: they are always read from
// the content folder.
#include <QString>

QString worksheetFolder();

// track.txt in the worksheet folder.
QString catalogueFilePath();
// title + ".txt" directly inside the worksheet folder, the title exactly as
// typed (commas and all). Empty, which opens nothing, for a title that would
// reach elsewhere ("..\\notes", "C:x", a link out of the folder).
QString worksheetFilePath(const QString &title);
// The lock that guards the catalogue's read-modify-write, beside track.txt.
QString catalogueLockPath();

enum class FolderProblem { None, Missing, NotWritable, DiskFull };
struct WorksheetFolderCheck {
    QString folder;
    FolderProblem problem = FolderProblem::None;
};

// Why writing in folder could fail: gone, not writable (read-only), or its
// disk (nearly) full; None when none of these shows.
FolderProblem writeProblemIn(const QString &folder);

// Readies the worksheet folder for a save. The user's data folder is created
// when missing; a folder named for the machine must already exist (a share
// that is not mounted must not be replaced by an empty local folder). Either
// gets an empty catalogue when it has none. The content's own folder is used
// as it is.
WorksheetFolderCheck prepareWorksheetFolder();
