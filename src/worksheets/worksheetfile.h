#pragma once
// Writing a teacher's worksheet: its question file "multiple/" + title +
// ".txt" (72 lines, commas stored as "&") and its catalogue entry.
#include "worksheets/worksheetcontent.h"

#include <QString>

// Writes the worksheet's question file, replacing one of the same name only
// when the new file is complete: the encoded title, " ", then per question
// its text, answers A to D, the digit of the ticked answer and " ".
// Throws SeqFileError, with nothing written, for a title that
// worksheetTitleProblem refuses (or an empty one), a question without exactly
// one tick, text a worksheet file cannot hold, or a failed write.
void writeWorksheetFile(const WorksheetContent &worksheet);

enum class SaveOutcome {
    Saved,             // file written and the title listed (or already listed)
    NotWritten,        // the file could not be written: nothing changed
    WrittenNotListed,  // the file exists, but the catalogue could not take the title
};

// The file work of the wizard's `saveworksheet`: the worksheet file, then
// trackworksheets. Shows nothing; see saveOutcomeMessage.
SaveOutcome saveWorksheetFiles(const WorksheetContent &worksheet);
// "Your worksheet has been saved." or "There was a problem saving your worksheet".
QString saveOutcomeMessage(SaveOutcome outcome);
