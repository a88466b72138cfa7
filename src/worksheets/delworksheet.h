#pragma once
// Removes a title from the catalogue file; the worksheet's own file stays.
#include <QString>

enum class DeleteOutcome {
    Deleted,    // the last entry equal to the title is gone; worksheetCount is one less
    NotListed,  // not in the file (perhaps removed from another PC): nothing written,
                // Module1 holds the catalogue as read
    Busy,       // another program held the catalogue lock throughout the wait: file unchanged
    Failed,     // no lock, no readable catalogue, or the write failed: file unchanged
};

// Reads the catalogue into Module1 under the catalogue lock, drops the LAST
// exact match of title, shifts the later titles up, rewrites track.txt with
// the count one less (every other line byte for byte as it was), and sets
// worksheetCount to it.
DeleteOutcome delworksheet(const QString &title);
