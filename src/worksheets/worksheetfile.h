#pragma once
// Writing a teacher's worksheet: its question file "multiple/" + title +
// ".txt" (72 lines, commas stored as "&") and its catalogue entry.
#include "worksheets/worksheetcontent.h"

#include <QString>

// Writes the worksheet's question file, replacing one of the same name only
// when the new file is complete: the encoded title, " ", then per question
// its text, answers A to D, the digit of the ticked answer and " ".
// Throws SeqFileError, with nothing written, for a title that
// worksheetTitleProblem refuses (apart from a comma, which older catalogues
// hold) or an empty one, a question without exactly one tick, text a
// worksheet file cannot hold, or a failed write.
void writeWorksheetFile(const WorksheetContent &worksheet);

enum class SaveOutcome {
    Saved,             // file written and the title listed (or already listed)
    NotWritten,        // the file could not be written: nothing changed
    WrittenNotListed,  // a file no longer listed was replaced, but the catalogue could not take the title
    CatalogueFull,     // 1000 titles listed and this is not one: nothing written
    CatalogueDamaged,  // the catalogue cannot be read whole: nothing written
    LookAlikeListed,   // a listed title differs only in letter case: nothing written
    CommaNotListed,    // a new title with a comma (only listed ones are kept): nothing written
    Busy,              // another program held the catalogue throughout the wait: nothing written
};

struct SaveResult {
    SaveOutcome outcome;
    QString listedTitle; // LookAlikeListed: the title the catalogue holds
};

// The file work of the wizard's `saveworksheet`, all under the catalogue
// lock: the catalogue is read first, so a worksheet is written only when its
// title can be listed; then the worksheet file; then its catalogue line
// (unless listed already). A title listed exactly replaces that worksheet
// (editing); a title that only looks like a listed one is refused, as a
// Windows folder would give both one file. Shows nothing; see
// saveOutcomeMessage.
SaveResult saveWorksheetFiles(const WorksheetContent &worksheet);
// "Your worksheet has been saved.", or why it has not been.
QString saveOutcomeMessage(const SaveResult &result);
