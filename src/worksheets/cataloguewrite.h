#pragma once
// Rewrites the catalogue file "multiple\track.txt": the count, then one title
// per line, unencoded. The new file replaces the old only when complete.
#include <QStringList>

// Whether a title written as a catalogue line reads back as the same title:
// no comma (it would split the line), no line break, and no leading space or
// double quote (the reader drops or strips those).
bool readsBackAsCatalogueLine(const QString &title);

// Writes the count of titles, then the titles. Throws SeqFileError, and
// writes nothing, if there are more than the catalogue holds, if a title
// would not read back as itself, or if the file cannot be written; the
// previous file then stays as it was.
void writeCatalogueFile(const QStringList &titles);
