#include "worksheets/catalogueread.h"

#include "common/module1.h"
#include "toolkit/seqfile.h"
#include "toolkit/whilebusy.h"

#include <QFileInfo>
#include <algorithm>

CatalogueRead readCatalogueFrom(SeqFileReader &file, CatalogueReadPolicy policy, int countBefore)
{
    const bool stopAtFailure = policy == CatalogueReadPolicy::StopAtFirstFailure;
    CatalogueRead read;
    read.complete = true;

    try {
        const int count = file.readNumber();
        if (count < 0)
            throw SeqFileError(SeqFileError::Kind::NotANumber, QStringLiteral("negative catalogue count"));
        read.announcedCount = count;
        read.count = std::min(count, maxWorksheets);
        if (count > maxWorksheets)
            read.complete = false; // titles past the 1000th have no slot
    } catch (const SeqFileError &) {
        read.complete = false;
        if (stopAtFailure)
            return read;
    }

    const int last = std::clamp(read.count.value_or(countBefore), 0, maxWorksheets);
    for (int i = 1; i <= last; ++i) {
        try {
            read.lines.append(file.readLineBytes());
            read.titles.append(catalogueTitleFromLine(read.lines.last()));
        } catch (const SeqFileError &error) {
            read.complete = false;
            // Past the end every further step fails the same way: skipping
            // them all changes nothing, so stop under either policy. A line
            // too long for a title is no catalogue a program wrote.
            if (stopAtFailure || file.atEnd() || error.kind() == SeqFileError::Kind::TooLong)
                return read;
        }
    }
    return read;
}

QString catalogueTitleFromLine(const QByteArray &line)
{
    qsizetype start = 0;
    while (start < line.size() && line[start] == ' ')
        ++start;
    QByteArray title = line.mid(start);
    if (title.startsWith('"')) {
        title.remove(0, 1);
        const qsizetype close = title.indexOf('"');
        if (close >= 0)
            title.truncate(close);
    }
    return decodeWindows1252(title);
}

CatalogueRead readCatalogue(CatalogueReadPolicy policy, int countBefore, const WorksheetFolder &folder)
{
    const QString path = folder.catalogueFile();
    std::optional<SeqFileReader> file;
    try {
        file.emplace(path);
    } catch (const SeqFileError &) {
        CatalogueRead nothing;
        nothing.missing = !QFileInfo::exists(path) && !QFileInfo(path).isSymLink();
        nothing.unreadable = !nothing.missing;
        return nothing;
    }
    const CatalogueRead read = readCatalogueFrom(*file, policy, countBefore);
    file->close();
    return read;
}

StoreProblem whyNotWhole(const CatalogueRead &read)
{
    return read.missing ? StoreProblem::CatalogueMissing
         : read.unreadable ? StoreProblem::CatalogueUnreadable
                           : StoreProblem::CatalogueDamaged;
}

void keepCatalogue(const CatalogueRead &read)
{
    onUserInterfaceThread([count = read.count, titles = read.titles] {
        if (count)
            Module1.worksheetCount = *count;
        for (int i = 0; i < titles.size(); ++i)
            Module1.worksheetTitles[i + 1] = titles[i];
    });
}
