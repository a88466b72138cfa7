#include "worksheets/catalogueread.h"

#include "shell/module1.h"
#include "toolkit/seqfile.h"
#include "worksheets/worksheetpaths.h"

#include <algorithm>
#include <optional>

CatalogueReadResult readCatalogueFrom(SeqFileReader &file, CatalogueReadPolicy policy)
{
    const bool stopAtFailure = policy == CatalogueReadPolicy::StopAtFirstFailure;
    CatalogueReadResult result;
    result.complete = true;

    try {
        const int count = file.readNumber();
        if (count < 0)
            throw SeqFileError(SeqFileError::Kind::NotANumber, QStringLiteral("negative catalogue count"));
        result.announcedCount = count;
        Module1.worksheetCount = std::min(count, maxWorksheets);
        if (count > maxWorksheets)
            result.complete = false; // titles past the 1000th have no slot
    } catch (const SeqFileError &) {
        result.complete = false;
        if (stopAtFailure)
            return result;
    }

    const int last = std::clamp(Module1.worksheetCount, 0, maxWorksheets);
    for (int i = 1; i <= last; ++i) {
        try {
            Module1.worksheetTitles[i] = file.readField();
            ++result.titlesRead;
        } catch (const SeqFileError &) {
            result.complete = false;
            // Past the end every further step fails the same way: skipping
            // them all changes nothing, so stop under either policy.
            if (stopAtFailure || file.atEnd())
                return result;
        }
    }
    return result;
}

CatalogueReadResult readCatalogue(CatalogueReadPolicy policy)
{
    std::optional<SeqFileReader> file;
    try {
        file.emplace(catalogueFilePath());
    } catch (const SeqFileError &) {
        return {}; // nothing read; the shared catalogue is untouched
    }
    const CatalogueReadResult result = readCatalogueFrom(*file, policy);
    file->close();
    return result;
}
