#pragma once
// The catalogue's half of the wizard's save: the title added to track.txt
// unless it is already listed. saveWorksheetFiles (worksheetfile.h) runs both
// steps under the catalogue lock, around writing the worksheet file.
#include "worksheets/catalogueread.h"

#include <QString>

enum class TrackOutcome {
    Added,          // track.txt now ends with the title
    AlreadyListed,  // an exact, case-sensitive match: nothing written
    CatalogueFull,  // 1000 titles already: nothing written
    Failed,         // the catalogue was not read whole: nothing written
};

// Reads folder's catalogue, for a caller holding its lock, stopping at the
// first failure, and keeps it in Module1; a missing catalogue reads as a
// complete, empty one, to be made by the first title.
CatalogueRead readCatalogueForRewrite(const WorksheetFolder &folder);
// Appends title to the catalogue as read, every line read kept byte for
// byte, and puts it in slot N + 1 of Module1 (worksheetCount keeps the count
// N read). Throws SeqFileError when the new catalogue cannot be written;
// the old one then stays.
TrackOutcome trackworksheets(const WorksheetFolder &folder, const CatalogueRead &read, const QString &title);
