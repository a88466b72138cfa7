#include "worksheets/cataloguewrite.h"

#include "common/module1.h"
#include "toolkit/seqfile.h"

void writeCatalogueFile(const WorksheetFolder &folder, const QByteArrayList &lines)
{
    if (lines.size() > maxWorksheets)
        throw SeqFileError(SeqFileError::Kind::NotStorable, QStringLiteral("more titles than the catalogue holds"));
    SeqFileWriter file(folder.catalogueFile());
    file.writeNumber(int(lines.size()));
    for (const QByteArray &line : lines)
        file.writeLineBytes(line);
    file.close();
}
