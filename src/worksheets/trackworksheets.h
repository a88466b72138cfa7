#pragma once
// Adds a worksheet title to the catalogue file unless it is already listed.
#include "worksheets/catalogueread.h"

#include <QString>

enum class TrackOutcome {
    Added,          // track.txt now ends with the title
    AlreadyListed,  // an exact, case-sensitive match: nothing written
    CatalogueFull,  // 1000 titles already: nothing written
    Busy,           // another program held the catalogue lock throughout the wait: nothing written
    Failed,         // no lock, no readable catalogue, or the write failed: nothing changed
};

// Reads the catalogue (and keeps it in Module1, so worksheetCount is the
// count read) and, when the title is new, rewrites track.txt with it
// appended, holding the catalogue lock throughout. The file is replaced only
// by a complete new one. A folder without a catalogue gets one.
TrackOutcome trackworksheets(const QString &title);

// The two steps, for a caller that already holds folder's catalogue lock.
// The read stops at the first failure and is kept in Module1; a missing
// catalogue reads as a complete, empty one, to be created by the first title.
CatalogueRead readCatalogueForRewrite(const WorksheetFolder &folder);
// Appends title to the catalogue read, every line read kept byte for byte
// (Failed: it was not read whole). Throws SeqFileError when the new
// catalogue cannot be written; the old one then stays.
TrackOutcome appendTitle(const WorksheetFolder &folder, const CatalogueRead &read, const QString &title);
