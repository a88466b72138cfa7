#pragma once
// The steps of a shared lock that each platform takes its own way
// (sharedlock_posix.cpp, sharedlock_windows.cpp; the build picks one). Files
// are opened so that no other program is kept from reading, rewriting,
// renaming or removing them meanwhile.
#include <QByteArray>
#include <QString>
#include <optional>

namespace sharedlock_platform {
enum class Read { Done, Absent, Failed };
// The file's first maxBytes bytes at most.
Read readFile(const QString &path, qsizetype maxBytes, QByteArray *bytes);
// Writes bytes at offset into the file, which must exist; false when it cannot.
bool writeAt(const QString &path, qint64 offset, const QByteArray &bytes);
// Renames from to to, which must not exist: never replaces a file.
bool moveNoReplace(const QString &from, const QString &to);
bool removeFile(const QString &path);
// Whether a process of this number runs on this computer.
bool processRunning(qint64 pid);
} // namespace sharedlock_platform
