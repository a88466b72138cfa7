#pragma once
// What the wizard's "Save Worksheet" does once clicked, away from the
// screen, so that a worksheet from anywhere else (an imported file, the
// command line) passes the very same checks and save: the first fault the
// wizard's checks find, else text a worksheet file cannot keep, else the
// save itself (title rule, catalogue lock, whole files).
#include "worksheets/worksheetcontent.h"

#include <QString>

struct CheckedSave {
    bool saved = false;
    QString message; // what the teacher is told, saved or not
};

CheckedSave checkAndSaveWorksheet(const WorksheetContent &worksheet);
