#pragma once
// Reads the catalogue file "multiple\track.txt": a count line, then one title
// per line. A read returns what it found; keepCatalogue stores that in the
// shared catalogue (Module1.worksheetCount and worksheetTitles), as each
// reader of the catalogue does.
//
// A title is its whole line: older programs wrote titles such as
// "Athens, Sparta" unencoded, and reading them comma by comma would split
// them and shift every later title. Leading spaces are dropped and a title
// in double quotes is the text between them, as in every other field.
#include "worksheets/worksheetfolder.h"

#include <QByteArrayList>
#include <QStringList>
#include <optional>

class SeqFileReader;

enum class CatalogueReadPolicy {
    // Stop at the first failure and keep whatever was read (the main menu's
    // start-up read, and the read that opens every catalogue rewrite).
    StopAtFirstFailure,
    // Skip each failing step and run the next (the catalogue screen's load).
    SkipFailedSteps,
};

struct CatalogueRead {
    bool complete = false;    // every step worked and the titles fit the catalogue
    int announcedCount = -1;  // the count line as read; -1 when it was not read
    std::optional<int> count; // the count to keep: as read, but never above maxWorksheets
    QStringList titles;       // the titles read, for slots 1 on
    QByteArrayList lines;     // each title's line exactly as stored, for rewriting it unchanged
    bool missing = false;     // there is no catalogue file at all (not merely an unreadable one)
    bool unreadable = false;  // there is one, but it cannot be opened (permissions, not a file)
};

// Why a read is not whole: the catalogue missing, unreadable or damaged.
StoreProblem whyNotWhole(const CatalogueRead &read);

// The title a catalogue line holds.
QString catalogueTitleFromLine(const QByteArray &line);

// Opens, reads and closes the catalogue file of folder.
// - No file, or no readable count: no count. A negative count is not a count.
// - A catalogue announcing more than 1000 titles keeps its first 1000.
// - Titles are read as written, unencoded; a file shorter than its count
//   gives the titles it has. A line too long for any title ends the read.
// Under SkipFailedSteps a failed count read leaves countBefore (the count
// already kept) as the number of titles to read, as a step-by-step reader would.
CatalogueRead readCatalogue(CatalogueReadPolicy policy, int countBefore = 0,
                            const WorksheetFolder &folder = WorksheetFolder::chosen());
// The same on a file already open on the channel; the caller closes it.
CatalogueRead readCatalogueFrom(SeqFileReader &file, CatalogueReadPolicy policy, int countBefore = 0);

// The count, when one was read, and the titles read into slots 1 on; later
// slots keep their titles.
void keepCatalogue(const CatalogueRead &read);
