#include "worksheets/worksheetfolder.h"

#include "toolkit/contentpath.h"
#include "worksheets/machinefolder.h"
#include "worksheets/worksheettitle.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace {
// Less room than this and a failed write is put down to a full disk.
constexpr qint64 nearlyFullBytes = 256 * 1024;
} // namespace

WorksheetFolder WorksheetFolder::chosen()
{
    const QString own = resolveContentPath(QStringLiteral("multiple"));
    const QFileInfo ownInfo(own);
    if (!contentIsInstalled() && ownInfo.isDir() && ownInfo.isWritable())
        return {Kind::Content, own};
    const QString machine = machineWorksheetFolder();
    if (!machine.isEmpty())
        return {Kind::Machine, QDir::cleanPath(machine)};
    return {Kind::Default, defaultWorksheetFolder()};
}

QString WorksheetFolder::catalogueFile() const { return resolvePathUnder(path_, QStringLiteral("track.txt")); }

// Ends in ".lock", never ".txt", so no worksheet file can share its name.
QString WorksheetFolder::lockFile() const { return path_ + QStringLiteral("/track.txt.lock"); }

QString WorksheetFolder::worksheetFile(const QString &title) const
{
    if (!titleStaysInFolder(title))
        return {};
    const QString path = resolvePathUnder(path_, title + QStringLiteral(".txt"));
    // A link in the folder to a file elsewhere is no worksheet of this folder either.
    const QFileInfo info(path);
    if (info.exists() && QFileInfo(info.canonicalFilePath()).path() != QDir(path_).canonicalPath())
        return {};
    return path;
}

StoreProblem WorksheetFolder::prepareForWriting() const
{
    if (kind_ == Kind::Default && !makeDefaultWorksheetFolder(path_))
        return StoreProblem::NotAllowed;
    if (kind_ == Kind::Machine && !QFileInfo(path_).isDir())
        return StoreProblem::FolderMissing;
    return StoreProblem::None;
}

StoreProblem WorksheetFolder::problemOf(FileProblem problem) const
{
    switch (problem) {
    case FileProblem::Missing:
        return StoreProblem::FolderMissing;
    case FileProblem::NotAllowed:
        return StoreProblem::NotAllowed;
    case FileProblem::DiskFull:
        return StoreProblem::DiskFull;
    case FileProblem::InUse:
        return StoreProblem::FileInUse;
    case FileProblem::LockLost: // taken over while this program seemed to have stopped
        return StoreProblem::CatalogueBusy;
    case FileProblem::None: // a failure the system did not explain
    case FileProblem::Other:
        break;
    }
    const QFileInfo info(path_);
    if (!info.isDir())
        return StoreProblem::FolderMissing;
    const QStorageInfo storage(path_);
    if (!info.isWritable() || storage.isReadOnly())
        return StoreProblem::NotAllowed;
    return storage.bytesAvailable() < nearlyFullBytes ? StoreProblem::DiskFull : StoreProblem::Other;
}
