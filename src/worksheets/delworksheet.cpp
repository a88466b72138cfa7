#include "worksheets/delworksheet.h"

#include "shell/module1.h"
#include "toolkit/seqfile.h"
#include "worksheets/catalogueread.h"
#include "worksheets/cataloguelock.h"
#include "worksheets/cataloguewrite.h"

DeleteOutcome delworksheet()
{
    const CatalogueLock lock;
    if (!lock.isLocked())
        return DeleteOutcome::Failed;

    const CatalogueReadResult read = readCatalogue(CatalogueReadPolicy::StopAtFirstFailure);
    if (!read.complete)
        return DeleteOutcome::Failed;
    const int count = read.announcedCount;

    int position = 0;
    for (int i = count; i >= 1 && position == 0; --i)
        if (Module1.worksheetTitles[i] == Module1.selectedWorksheet)
            position = i;
    if (position == 0)
        return DeleteOutcome::NotListed;

    std::array<QString, maxWorksheets + 1> titles = Module1.worksheetTitles;
    for (int i = position; i < count; ++i)
        titles[i] = titles[i + 1];
    try {
        writeCatalogueFile(count - 1, titles);
    } catch (const SeqFileError &) {
        return DeleteOutcome::Failed; // Module1 keeps the catalogue as read
    }
    Module1.worksheetTitles = titles;
    Module1.worksheetCount = count - 1;
    return DeleteOutcome::Deleted;
}
