#pragma once
// Rewrites the catalogue file "multiple\track.txt": the count, then one title
// per line, unencoded. The new file replaces the old only when complete.
#include <QString>
#include <array>

// Whether a title written as a catalogue line reads back as the same title:
// no comma (it would split the line), no line break, and no leading space or
// double quote (the reader drops or strips those).
bool readsBackAsCatalogueLine(const QString &title);

// Writes count, then titles[1] to titles[count]. Throws SeqFileError, and
// writes nothing, if a title would not read back as itself, or if the file
// cannot be written; the previous file then stays as it was.
void writeCatalogueFile(int count, const std::array<QString, 1001> &titles);
