#pragma once
// Reading a whole content file into memory, within a limit: a file that is
// not a regular file (a pipe, a device) or is larger than the limit is not
// read at all, so a huge or endless file can neither stall the program nor
// fill its memory.
#include <QByteArray>
#include <QString>
#include <optional>

// The bytes of the file, or nothing when it cannot be opened, is no regular
// file, or holds more than maxBytes (also when it grows while being read).
std::optional<QByteArray> readWholeFile(const QString &absolutePath, qint64 maxBytes);
