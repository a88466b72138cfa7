#include "worksheets/trackworksheets.h"

#include "shell/module1.h"
#include "toolkit/seqfile.h"
#include "worksheets/catalogueread.h"
#include "worksheets/cataloguelock.h"
#include "worksheets/cataloguewrite.h"

TrackOutcome trackworksheets(const QString &title)
{
    const CatalogueLock lock;
    if (!lock.isLocked())
        return TrackOutcome::Failed;

    // A catalogue that cannot be read completely is never rewritten: the
    // rewrite would lose whatever could not be read.
    const CatalogueReadResult read = readCatalogue(CatalogueReadPolicy::StopAtFirstFailure);
    if (!read.complete)
        return TrackOutcome::Failed;
    const int count = read.announcedCount;

    for (int i = 1; i <= count; ++i)
        if (Module1.worksheetTitles[i] == title)
            return TrackOutcome::AlreadyListed;
    if (count >= maxWorksheets)
        return TrackOutcome::CatalogueFull;

    std::array<QString, maxWorksheets + 1> titles = Module1.worksheetTitles;
    titles[count + 1] = title;
    try {
        writeCatalogueFile(count + 1, titles);
    } catch (const SeqFileError &) {
        return TrackOutcome::Failed;
    }
    // The shared count stays as read; screens that list the catalogue read
    // the file again first.
    Module1.worksheetTitles[count + 1] = title;
    return TrackOutcome::Added;
}
