#include "worksheets/cataloguewrite.h"

#include "toolkit/seqfile.h"
#include "worksheets/worksheetpaths.h"

bool readsBackAsCatalogueLine(const QString &title)
{
    if (title.contains(QLatin1Char(',')) || title.contains(QLatin1Char('\r')) || title.contains(QLatin1Char('\n')))
        return false;
    return !title.startsWith(QLatin1Char(' ')) && !title.startsWith(QLatin1Char('"'));
}

void writeCatalogueFile(int count, const std::array<QString, 1001> &titles)
{
    if (count < 0 || count >= int(titles.size()))
        throw SeqFileError(SeqFileError::Kind::NotStorable, QStringLiteral("catalogue count out of range"));
    for (int i = 1; i <= count; ++i)
        if (!readsBackAsCatalogueLine(titles[i]))
            throw SeqFileError(SeqFileError::Kind::NotStorable, QStringLiteral("title would not read back: ") + titles[i]);
    SeqFileWriter file(catalogueFilePath());
    file.writeNumber(count);
    for (int i = 1; i <= count; ++i)
        file.writeLine(titles[i]);
    file.close();
}
