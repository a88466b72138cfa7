#pragma once
// Rewrites the catalogue file "multiple\track.txt": the count, then one title
// per line, unencoded. The new file replaces the old only when complete.
#include "worksheets/worksheetfolder.h"

#include <QByteArrayList>

// Writes the count of lines, then the lines exactly as given (those read
// from the file keep every byte; a new title is its Windows-1252 bytes) into
// folder's catalogue. Throws SeqFileError, and writes nothing, if there are
// more than the catalogue holds or the file cannot be written; the previous
// file then stays as it was.
void writeCatalogueFile(const WorksheetFolder &folder, const QByteArrayList &lines);
