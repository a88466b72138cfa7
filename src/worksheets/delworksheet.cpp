#include "worksheets/delworksheet.h"

#include "common/module1.h"
#include "toolkit/seqfile.h"
#include "worksheets/cataloguelock.h"
#include "worksheets/catalogueread.h"
#include "worksheets/cataloguewrite.h"

DeleteOutcome delworksheet(const QString &title)
{
    const CatalogueLock lock;
    if (!lock.isLocked())
        return lock.state() == CatalogueLock::State::Busy ? DeleteOutcome::Busy : DeleteOutcome::Failed;

    const CatalogueRead read = readCatalogue(CatalogueReadPolicy::StopAtFirstFailure);
    keepCatalogue(read);
    if (!read.complete)
        return DeleteOutcome::Failed;
    const qsizetype position = read.titles.lastIndexOf(title);
    if (position < 0)
        return DeleteOutcome::NotListed;

    QStringList titles = read.titles;
    titles.removeAt(position);
    QByteArrayList lines = read.lines;
    lines.removeAt(position);
    try {
        writeCatalogueFile(lines);
    } catch (const SeqFileError &) {
        return DeleteOutcome::Failed; // Module1 keeps the catalogue as read
    }
    // Later titles move up a slot; the last slot keeps its old title.
    for (qsizetype i = position; i < titles.size(); ++i)
        Module1.worksheetTitles[i + 1] = titles[i];
    Module1.worksheetCount = int(titles.size());
    return DeleteOutcome::Deleted;
}
