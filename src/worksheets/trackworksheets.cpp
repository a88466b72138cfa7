#include "worksheets/trackworksheets.h"

#include "common/module1.h"
#include "toolkit/seqfile.h"
#include "worksheets/cataloguelock.h"
#include "worksheets/cataloguewrite.h"

CatalogueRead readCatalogueForRewrite()
{
    CatalogueRead read = readCatalogue(CatalogueReadPolicy::StopAtFirstFailure);
    if (read.missing) {
        read.complete = true;
        read.count = 0;
        read.announcedCount = 0;
    }
    keepCatalogue(read);
    return read;
}

TrackOutcome appendTitle(const CatalogueRead &read, const QString &title)
{
    // A catalogue that cannot be read completely is never rewritten: the
    // rewrite would lose whatever could not be read.
    if (!read.complete)
        return TrackOutcome::Failed;
    if (read.titles.contains(title))
        return TrackOutcome::AlreadyListed;
    if (read.titles.size() >= maxWorksheets)
        return TrackOutcome::CatalogueFull;
    try {
        writeCatalogueFile(read.lines + QByteArrayList{catalogueLineFor(title)});
    } catch (const SeqFileError &) {
        return TrackOutcome::Failed;
    }
    // The shared count stays as read; screens that list the catalogue read
    // the file again first.
    Module1.worksheetTitles[read.titles.size() + 1] = title;
    return TrackOutcome::Added;
}

TrackOutcome trackworksheets(const QString &title)
{
    const CatalogueLock lock;
    if (!lock.isLocked())
        return lock.state() == CatalogueLock::State::Busy ? TrackOutcome::Busy : TrackOutcome::Failed;
    return appendTitle(readCatalogueForRewrite(), title);
}
