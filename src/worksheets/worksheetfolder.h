#pragma once
// The folder this computer keeps teachers' worksheets and their catalogue
// in. Each save, deletion or read decides it once (WorksheetFolder::chosen)
// and hands the value down, so no step of one operation looks elsewhere. It
// is the first of:
//  1. the content's own "multiple" folder, when the content lies beside the
//     program (not the installed copy) and that folder can be written: the
//     build folder, or a copy of the program kept with its content;
//  2. the folder named for the whole machine (machinefolder.h: on Linux in
//     /etc/xdg/velmora/velmora.conf, on Windows by the installer);
//  3. the default folder: on Linux the user's own data folder, on Windows
//     one that every user of the PC shares.
// Topic question files are never looked for here: they are always read from
// the content folder.
#include "toolkit/atomicfile.h"

#include <QString>

// Why a worksheet or the catalogue could not be changed.
enum class StoreProblem {
    None,
    FolderMissing,    // the folder is not there (a share that is not mounted)
    NotAllowed,       // this user may not write there (a pupil), or its disk is read-only
    DiskFull,
    CatalogueBusy,    // another copy of Velmora held the catalogue lock throughout the wait
    FileInUse,        // another program kept a file open throughout the retries
    CatalogueMissing,    // track.txt is not there (a deletion after it was removed by hand)
    CatalogueUnreadable, // track.txt is there but cannot be opened (permissions, not a file)
    CatalogueDamaged,    // track.txt cannot be read whole, so it is never rewritten
    CatalogueFull,    // 1000 titles are listed
    Other,
};

class WorksheetFolder {
public:
    // The folder this computer uses just now (see above).
    static WorksheetFolder chosen();

    const QString &path() const { return path_; }
    // track.txt in it, matched whatever its letter case.
    QString catalogueFile() const;
    // The lock that guards the catalogue's read-modify-write, beside track.txt.
    QString lockFile() const;
    // title + ".txt" directly inside, matched whatever its letter case. Empty,
    // which opens nothing, for a title that would reach elsewhere ("..\\notes",
    // "C:x", a link out of the folder).
    QString worksheetFile(const QString &title) const;

    // Readies the folder for a save: the default folder is made when
    // missing; a folder named for the machine must already exist (a share
    // that is not mounted must not be replaced by an empty local folder).
    StoreProblem prepareForWriting() const;
    // Why a write here failed: as the system said, or, where it said nothing
    // clear (None, Other), as the folder shows (gone, read-only, or its disk
    // nearly full).
    StoreProblem problemOf(FileProblem problem) const;

private:
    enum class Kind { Content, Machine, Default };
    WorksheetFolder(Kind kind, const QString &path) : kind_(kind), path_(path) {}

    Kind kind_;
    QString path_;
};
