#include "worksheets/delworksheet.h"

#include "common/module1.h"
#include "toolkit/seqfile.h"
#include "toolkit/whilebusy.h"
#include "worksheets/cataloguelock.h"
#include "worksheets/catalogueread.h"
#include "worksheets/cataloguewrite.h"

DeleteResult delworksheet(const QString &title)
{
    const WorksheetFolder folder = WorksheetFolder::chosen();
    const auto failed = [&folder](StoreProblem problem) {
        return DeleteResult{DeleteOutcome::Failed, problem, folder.path()};
    };
    const CatalogueLock lock(folder);
    if (!lock.isLocked())
        return failed(lock.problem());

    const CatalogueRead read = readCatalogue(CatalogueReadPolicy::StopAtFirstFailure, 0, folder);
    keepCatalogue(read);
    if (!read.complete)
        return failed(whyNotWhole(read)); // gone since it was listed, unreadable or damaged
    const qsizetype position = read.titles.lastIndexOf(title);
    if (position < 0)
        return {DeleteOutcome::NotListed, StoreProblem::None, folder.path()};

    QStringList titles = read.titles;
    titles.removeAt(position);
    QByteArrayList lines = read.lines;
    lines.removeAt(position);
    try {
        writeCatalogueFile(folder, lines);
    } catch (const SeqFileError &error) {
        return failed(folder.problemOf(error.problem())); // Module1 keeps the catalogue as read
    }
    // Later titles move up a slot; the last slot keeps its old title.
    onUserInterfaceThread([position, titles] {
        for (qsizetype i = position; i < titles.size(); ++i)
            Module1.worksheetTitles[i + 1] = titles[i];
        Module1.worksheetCount = int(titles.size());
    });
    return {DeleteOutcome::Deleted, StoreProblem::None, folder.path()};
}
