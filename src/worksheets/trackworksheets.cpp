#include "worksheets/trackworksheets.h"

#include "common/module1.h"
#include "toolkit/seqfile.h"
#include "worksheets/cataloguelock.h"
#include "worksheets/catalogueread.h"
#include "worksheets/cataloguewrite.h"

TrackOutcome trackworksheets(const QString &title)
{
    const CatalogueLock lock;
    if (!lock.isLocked())
        return TrackOutcome::Failed;

    // A catalogue that cannot be read completely is never rewritten: the
    // rewrite would lose whatever could not be read.
    const CatalogueRead read = readCatalogue(CatalogueReadPolicy::StopAtFirstFailure);
    keepCatalogue(read);
    if (!read.complete)
        return TrackOutcome::Failed;
    if (read.titles.contains(title))
        return TrackOutcome::AlreadyListed;
    if (read.titles.size() >= maxWorksheets)
        return TrackOutcome::CatalogueFull;

    try {
        writeCatalogueFile(read.titles + QStringList{title});
    } catch (const SeqFileError &) {
        return TrackOutcome::Failed;
    }
    // The shared count stays as read; screens that list the catalogue read
    // the file again first.
    Module1.worksheetTitles[read.titles.size() + 1] = title;
    return TrackOutcome::Added;
}
