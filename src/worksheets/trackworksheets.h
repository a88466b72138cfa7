#pragma once
// Adds a worksheet title to the catalogue file unless it is already listed.
#include <QString>

enum class TrackOutcome {
    Added,          // track.txt now ends with the title
    AlreadyListed,  // an exact, case-sensitive match: nothing written
    CatalogueFull,  // 1000 titles already: nothing written
    Failed,         // no lock, no readable catalogue, or the write failed: nothing changed
};

// Reads the catalogue (and keeps it in Module1, so worksheetCount is the
// count read) and, when the title is new, rewrites track.txt with it
// appended, holding the catalogue lock throughout. The file is replaced only
// by a complete new one.
TrackOutcome trackworksheets(const QString &title);
