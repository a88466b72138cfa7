#pragma once
// Saving a teacher's worksheet: its question file "multiple/" + title +
// ".txt" (72 lines, commas stored as "&") and its catalogue entry.
#include "worksheets/worksheetcontent.h"
#include "worksheets/worksheetfolder.h"
#include "worksheets/worksheettitle.h"

#include <QString>

enum class SaveOutcome {
    Saved,            // the file written and its title listed (or listed already)
    TitleRefused,     // see title: nothing written
    NotSaved,         // see problem: every file as it was
    WrittenNotListed, // see problem: the file was written but could not be listed, nor put back
};

struct SaveResult {
    SaveOutcome outcome = SaveOutcome::NotSaved;
    StoreProblem problem = StoreProblem::None;
    TitleCheck title;
    QString folder; // the worksheet folder saved in, or not
};

// The file work of the wizard's `saveworksheet`, in the worksheet folder this
// computer uses, under the catalogue lock: the catalogue is read first, so a
// worksheet is written only when its title passes the title rule and can be
// listed; then the worksheet file, replaced only by a complete new one (the
// encoded title, " ", then per question its text, answers A to D, the digit
// of the ticked answer and " "); then its catalogue line, unless listed
// already (editing). Should the catalogue not take the line, the folder is
// put back as it was: a new file goes again, and a file that was there (no
// longer listed) gets its own bytes back. Shows nothing; see saveOutcomeMessage.
// It may wait for the lock for half a minute: screens call it through
// runWhileBusy (toolkit/whilebusy.h), which keeps them painting meanwhile.
SaveResult saveWorksheetFiles(const WorksheetContent &worksheet);
// "Your worksheet has been saved.", or why it has not been.
QString saveOutcomeMessage(const SaveResult &result, const QString &title);
