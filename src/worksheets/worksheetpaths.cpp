#include "worksheets/worksheetpaths.h"

#include "toolkit/contentpath.h"
#include "toolkit/seqfile.h"
#include "worksheets/cataloguelock.h"
#include "worksheets/cataloguewrite.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStorageInfo>

namespace {
// Less room than this and a failed write is put down to a full disk.
constexpr qint64 nearlyFullBytes = 256 * 1024;

enum class FolderKind { Content, Machine, User };
struct ChosenFolder {
    FolderKind kind;
    QString path;
};

// The folder named in the first velmora/velmora.conf among the system
// configuration folders (the user's own configuration folder is not one).
QString machineWorksheetFolder()
{
    const QString userConfig = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    for (const QString &dir : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        const QString file = dir + QStringLiteral("/velmora/velmora.conf");
        if (dir == userConfig || !QFileInfo::exists(file))
            continue;
        return QSettings(file, QSettings::IniFormat).value(QStringLiteral("Worksheets/Folder")).toString().trimmed();
    }
    return {};
}

ChosenFolder chooseWorksheetFolder()
{
    const QString own = resolveContentPath(QStringLiteral("multiple"));
    const QFileInfo ownInfo(own);
    if (!contentIsInstalled() && ownInfo.isDir() && ownInfo.isWritable())
        return {FolderKind::Content, own};
    const QString machine = machineWorksheetFolder();
    if (!machine.isEmpty())
        return {FolderKind::Machine, QDir::cleanPath(machine)};
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return {FolderKind::User, dataHome + QStringLiteral("/velmora/multiple")};
}

// An empty catalogue, written under the lock so that two PCs starting a
// shared folder at once cannot write over a title the other just added.
bool ensureCatalogue()
{
    if (QFileInfo::exists(catalogueFilePath()))
        return true; // without waiting for a lock another PC may hold just now
    const CatalogueLock lock;
    if (!lock.isLocked())
        return false;
    if (QFileInfo::exists(catalogueFilePath()))
        return true;
    try {
        writeCatalogueFile({});
    } catch (const SeqFileError &) {
        return false;
    }
    return true;
}
} // namespace

QString worksheetFolder() { return chooseWorksheetFolder().path; }

QString catalogueFilePath() { return resolvePathUnder(worksheetFolder(), QStringLiteral("track.txt")); }

QString worksheetFilePath(const QString &title)
{
    for (const char16_t c : {u'/', u'\\', u':', u'\0'})
        if (title.contains(QChar(c)))
            return {};
    const QString folder = worksheetFolder();
    const QString path = resolvePathUnder(folder, title + QStringLiteral(".txt"));
    // A link in the folder to a file elsewhere is no worksheet of this folder either.
    const QFileInfo info(path);
    if (info.exists() && QFileInfo(info.canonicalFilePath()).path() != QDir(folder).canonicalPath())
        return {};
    return path;
}

FolderProblem writeProblemIn(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.isDir())
        return FolderProblem::Missing;
    const QStorageInfo storage(folder);
    if (!info.isWritable() || storage.isReadOnly())
        return FolderProblem::NotWritable;
    if (storage.bytesAvailable() < nearlyFullBytes)
        return FolderProblem::DiskFull;
    return FolderProblem::None;
}

// Ends in ".lock", never ".txt", so no worksheet file can share its name.
QString catalogueLockPath() { return worksheetFolder() + QStringLiteral("/track.txt.lock"); }

WorksheetFolderCheck prepareWorksheetFolder()
{
    const ChosenFolder chosen = chooseWorksheetFolder();
    WorksheetFolderCheck check{chosen.path, FolderProblem::None};
    if (chosen.kind == FolderKind::Content)
        return check;
    if (chosen.kind == FolderKind::User && !QDir().mkpath(chosen.path))
        check.problem = FolderProblem::NotWritable;
    else if (!QFileInfo(chosen.path).isDir())
        check.problem = FolderProblem::Missing;
    else if (!QFileInfo(chosen.path).isWritable() || !ensureCatalogue())
        check.problem = FolderProblem::NotWritable;
    return check;
}
