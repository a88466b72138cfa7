#include "worksheets/trackworksheets.h"

#include "common/module1.h"
#include "toolkit/seqfile.h"
#include "toolkit/whilebusy.h"
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

TrackOutcome trackworksheets(const WorksheetFolder &folder, const CatalogueRead &read, const QString &title)
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
    // worksheetCount keeps the count read, so a catalogue screen lists the
    // new title only when it next loads.
    onUserInterfaceThread([slot = read.titles.size() + 1, title] { Module1.worksheetTitles[slot] = title; });
    return TrackOutcome::Added;
}
