#include "worksheets/trackworksheets.h"

#include "common/module1.h"
#include "toolkit/seqfile.h"
#include "worksheets/cataloguelock.h"
#include "worksheets/cataloguewrite.h"

CatalogueRead readCatalogueForRewrite(const WorksheetFolder &folder)
{
    CatalogueRead read = readCatalogue(CatalogueReadPolicy::StopAtFirstFailure, 0, folder);
    if (read.missing) {
        read.complete = true;
        read.count = 0;
        read.announcedCount = 0;
    }
    keepCatalogue(read);
    return read;
}

TrackOutcome appendTitle(const WorksheetFolder &folder, const CatalogueRead &read, const QString &title)
{
    // A catalogue that cannot be read completely is never rewritten: the
    // rewrite would lose whatever could not be read.
    if (!read.complete)
        return TrackOutcome::Failed;
    if (read.titles.contains(title))
        return TrackOutcome::AlreadyListed;
    if (read.titles.size() >= maxWorksheets)
        return TrackOutcome::CatalogueFull;
    writeCatalogueFile(folder, read.lines + QByteArrayList{encodeWindows1252(title)});
    // Slot N + 1 takes the title; worksheetCount keeps the count N read, so
    // a catalogue screen lists the new title only when it next loads.
    Module1.worksheetTitles[read.titles.size() + 1] = title;
    return TrackOutcome::Added;
}

TrackOutcome trackworksheets(const QString &title)
{
    const WorksheetFolder folder = WorksheetFolder::chosen();
    const CatalogueLock lock(folder);
    if (!lock.isLocked())
        return lock.problem() == StoreProblem::CatalogueBusy ? TrackOutcome::Busy : TrackOutcome::Failed;
    try {
        return appendTitle(folder, readCatalogueForRewrite(folder), title);
    } catch (const SeqFileError &) {
        return TrackOutcome::Failed;
    }
}
