#pragma once
// Rewrites the catalogue file "multiple\track.txt": the count, then one title
// per line, unencoded. The new file replaces the old only when complete.
#include <QByteArrayList>
#include <QString>

// Whether a title written as a catalogue line reads back as the same title:
// no line break, and no leading space or double quote (the reader drops or
// strips those).
bool readsBackAsCatalogueLine(const QString &title);
// The catalogue line for a new title. Throws SeqFileError (NotStorable) when
// it would not read back as itself.
QByteArray catalogueLineFor(const QString &title);

// Writes the count of lines, then the lines exactly as given (those read
// from the file keep every byte). Throws SeqFileError, and writes nothing,
// if there are more than the catalogue holds or the file cannot be written;
// the previous file then stays as it was.
void writeCatalogueFile(const QByteArrayList &lines);
