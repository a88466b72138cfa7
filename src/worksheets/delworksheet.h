#pragma once
// Removes a title from the catalogue file; the worksheet's own file stays.
#include "worksheets/worksheetfolder.h"

#include <QString>

enum class DeleteOutcome {
    Deleted,    // the last entry equal to the title is gone; worksheetCount is one less
    NotListed,  // not in the file (perhaps removed from another PC): nothing written,
                // Module1 holds the catalogue as read
    Failed,     // see problem: the file is unchanged
};

struct DeleteResult {
    DeleteOutcome outcome;
    StoreProblem problem = StoreProblem::None;
    QString folder; // the worksheet folder it was deleted from, or not
};

// Reads the catalogue into Module1 under the catalogue lock, drops the LAST
// exact match of title, shifts the later titles up, rewrites track.txt with
// the count one less (every other line byte for byte as it was), and sets
// worksheetCount to it.
DeleteResult delworksheet(const QString &title);
