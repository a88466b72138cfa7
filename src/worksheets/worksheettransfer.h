#pragma once
// The Worksheets Catalogue's ways to and from GIFT and Aiken files, each
// through the desktop's file dialog and ending in one message.
#include "worksheets/worksheetcontent.h"

#include <QStringList>

// Reads the chosen file's questions into the Multiple Choice Wizard, shown
// unsaved for the teacher to check and save; one message says what came in
// and lists every question left out with its line. A file that gives no
// question opens nothing.
void importWorksheetFromFile();
// Writes one worksheet to the file chosen, as GIFT or Aiken.
void exportWorksheetToFile(const WorksheetContent &worksheet);
// Writes every listed worksheet that the format carries into one file,
// naming those left out.
void exportAllToFile(const QStringList &titles);
