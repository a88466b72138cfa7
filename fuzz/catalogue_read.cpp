// libFuzzer target: the catalogue read over arbitrary bytes, both failure
// policies, and (for an eighth of the inputs, chosen by length) the
// read-modify-write of trackworksheets and delworksheet on a "multiple"
// folder inside a private temporary folder; nothing is written elsewhere.
#include "common/module1.h"
#include "toolkit/contentpath.h"
#include "toolkit/seqfile.h"
#include "worksheets/cataloguelock.h"
#include "worksheets/catalogueread.h"
#include "worksheets/delworksheet.h"
#include "worksheets/trackworksheets.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {
// Both live until the process ends and are never destroyed: destroying Qt
// objects from exit handlers, after Qt's own globals are gone, crashes.
QCoreApplication *app = nullptr;
QTemporaryDir *folder = nullptr;
std::string folderToRemove;

void removeFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(folderToRemove, ignored);
}

void require(bool condition)
{
    if (!condition)
        std::abort();
}

QStringList sharedTitles()
{
    QStringList titles;
    for (int i = 1; i <= Module1.worksheetCount; ++i)
        titles.append(Module1.worksheetTitles[i]);
    return titles;
}

void checkRead(const QByteArray &bytes, CatalogueReadPolicy policy)
{
    Module1 = Module1State{};
    Module1.worksheetCount = 3; // a previous count, as the skipping read may keep it
    SeqFileReader file = SeqFileReader::fromBytes(bytes);
    const CatalogueRead read = readCatalogueFrom(file, policy, Module1.worksheetCount);
    keepCatalogue(read);
    require(Module1.worksheetCount >= 0 && Module1.worksheetCount <= maxWorksheets);
    require(read.titles.size() <= Module1.worksheetCount && read.lines.size() == read.titles.size());
    require(!read.complete || (read.announcedCount == Module1.worksheetCount && read.titles.size() == read.announcedCount));
    for (const QString &title : sharedTitles())
        require(!title.contains(QLatin1Char('\r')) && !title.contains(QLatin1Char('\n')));
}

// Adding a title and removing it again must leave the titles as they were
// read, every line byte for byte, and every rewrite must read back completely.
void checkRewrites(const QByteArray &bytes)
{
    const QString track = folder->path() + QStringLiteral("/multiple/track.txt");
    QFile file(track);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    file.close();

    Module1 = Module1State{};
    const CatalogueRead first = readCatalogue(CatalogueReadPolicy::StopAtFirstFailure);
    keepCatalogue(first);
    const bool readable = first.complete;
    const QStringList before = sharedTitles();
    const QString title = QStringLiteral("Fuzz title");
    TrackOutcome tracked = TrackOutcome::Failed;
    try { // the catalogue's half of a save, as the wizard's save runs it
        const WorksheetFolder folder = WorksheetFolder::chosen();
        const CatalogueLock lock(folder);
        require(lock.isLocked());
        tracked = trackworksheets(folder, readCatalogueForRewrite(folder), title);
    } catch (const SeqFileError &) {
    }
    if (!readable) {
        require(tracked == TrackOutcome::Failed);
        return;
    }
    if (tracked != TrackOutcome::Added) {
        require(tracked == TrackOutcome::Failed || before.contains(title) || before.size() == maxWorksheets);
        return;
    }
    require(readCatalogue(CatalogueReadPolicy::StopAtFirstFailure).titles == before + QStringList{title});

    require(delworksheet(title).outcome == DeleteOutcome::Deleted);
    require(sharedTitles() == before);
    const CatalogueRead after = readCatalogue(CatalogueReadPolicy::StopAtFirstFailure);
    require(after.complete && after.titles == before && after.lines == first.lines); // every line byte for byte
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    app = new QCoreApplication(*argc, *argv);
    folder = new QTemporaryDir();
    require(folder->isValid() && QDir(folder->path()).mkpath(QStringLiteral("multiple")));
    folder->setAutoRemove(false);
    folderToRemove = QFile::encodeName(folder->path()).toStdString();
    std::atexit(removeFolder);
    setContentRoot(folder->path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    checkRead(bytes, CatalogueReadPolicy::StopAtFirstFailure);
    checkRead(bytes, CatalogueReadPolicy::SkipFailedSteps);
    if (size % 8 == 0)
        checkRewrites(bytes);
    return 0;
}
