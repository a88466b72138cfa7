#include "worksheets/cataloguewrite.h"

#include "common/module1.h"
#include "toolkit/seqfile.h"
#include "worksheets/worksheetpaths.h"

bool readsBackAsCatalogueLine(const QString &title)
{
    if (title.contains(QLatin1Char(',')) || title.contains(QLatin1Char('\r')) || title.contains(QLatin1Char('\n')))
        return false;
    return !title.startsWith(QLatin1Char(' ')) && !title.startsWith(QLatin1Char('"'));
}

void writeCatalogueFile(const QStringList &titles)
{
    if (titles.size() > maxWorksheets)
        throw SeqFileError(SeqFileError::Kind::NotStorable, QStringLiteral("more titles than the catalogue holds"));
    for (const QString &title : titles)
        if (!readsBackAsCatalogueLine(title))
            throw SeqFileError(SeqFileError::Kind::NotStorable, QStringLiteral("title would not read back: ") + title);
    SeqFileWriter file(catalogueFilePath());
    file.writeNumber(int(titles.size()));
    for (const QString &title : titles)
        file.writeLine(title);
    file.close();
}
