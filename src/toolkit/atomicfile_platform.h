#pragma once
// The steps of replacing a file that each platform takes its own way
// (atomicfile_posix.cpp, atomicfile_windows.cpp; the build picks one).
#include "toolkit/atomicfile.h"

namespace atomicfile_platform {
// Makes the file temporary, which must not exist yet (nameTaken tells when
// it did), with the permissions a file replacing target gets, writes bytes,
// flushes them to disk unless told not to (a lock file, which a power cut
// may lose) and closes it. On failure nothing stays.
enum class Flush { ToDisk, No };
FileProblem writeNewFile(const QString &temporary, const QString &target, const QByteArray &bytes, bool *nameTaken,
                         QString *detail, Flush flush = Flush::ToDisk);
FileProblem renameOver(const QString &temporary, const QString &target);
void removeFile(const QString &path);
void fitPermissions(const QString &path);
} // namespace atomicfile_platform
