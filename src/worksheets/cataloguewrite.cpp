#include "worksheets/cataloguewrite.h"

#include "common/module1.h"
#include "toolkit/seqfile.h"
#include "worksheets/worksheetpaths.h"

bool readsBackAsCatalogueLine(const QString &title)
{
    if (title.contains(QLatin1Char('\r')) || title.contains(QLatin1Char('\n')))
        return false;
    return !title.startsWith(QLatin1Char(' ')) && !title.startsWith(QLatin1Char('"'));
}

QByteArray catalogueLineFor(const QString &title)
{
    if (!readsBackAsCatalogueLine(title))
        throw SeqFileError(SeqFileError::Kind::NotStorable, QStringLiteral("title would not read back: ") + title);
    return encodeWindows1252(title);
}

void writeCatalogueFile(const QByteArrayList &lines)
{
    if (lines.size() > maxWorksheets)
        throw SeqFileError(SeqFileError::Kind::NotStorable, QStringLiteral("more titles than the catalogue holds"));
    SeqFileWriter file(catalogueFilePath());
    file.writeNumber(int(lines.size()));
    for (const QByteArray &line : lines)
        file.writeLineBytes(line);
    file.close();
}
