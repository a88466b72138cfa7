#pragma once
// Reads the catalogue file "multiple\track.txt" (a count line, then one title
// per line) into Module1.worksheetCount and Module1.worksheetTitles.
class SeqFileReader;

enum class CatalogueReadPolicy {
    // Stop at the first failure and keep whatever was read (the main menu's
    // start-up read, and the read that opens every catalogue rewrite).
    StopAtFirstFailure,
    // Skip each failing step and run the next (the catalogue screen's load).
    SkipFailedSteps,
};

struct CatalogueReadResult {
    bool complete = false;    // every step worked and the titles fit the catalogue
    int announcedCount = -1;  // the count line as read; -1 when it was not read
    int titlesRead = 0;       // titles stored, from slot 1 on
};

// Opens, reads and closes the catalogue file.
// - No file (or no readable count): worksheetCount keeps its value.
// - A count is stored as read, but never above maxWorksheets: a catalogue
//   announcing more keeps its first 1000 titles. A negative count is not a
//   count and fails like a missing one.
// - Titles are stored as read, unencoded; a file shorter than its count
//   fills the slots it has and the rest keep their previous titles.
// Under SkipFailedSteps a failed count read leaves the previous count as the
// number of titles to read, as a step-by-step reader would.
CatalogueReadResult readCatalogue(CatalogueReadPolicy policy);
// The same on a file already open on the channel; the caller closes it.
CatalogueReadResult readCatalogueFrom(SeqFileReader &file, CatalogueReadPolicy policy);
