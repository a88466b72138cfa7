#pragma once
// Replacing a file by a complete new one, so that readers, other computers
// and a program killed half-way only ever see the old file or the new one:
// the bytes go to a temporary file beside the target (its name is the
// target's plus a dot and six letters), flushed to disk, which is then
// renamed over the target in one step. Only the folder's permission counts,
// as for any rename: a file another user of a shared folder wrote can be
// replaced.
//
// Files made in a shared folder, one that its group may write, belong to that
// group and are readable and writable by it whatever the user's umask (a
// replaced file too); others may read them only when they may read the
// folder. Nothing is ever made writable by others.
//
// On Windows a file another program has open cannot be replaced (a sharing
// violation); the rename is retried for a short while before it is given up.
#include <QByteArray>
#include <QString>
#include <functional>

// Why a file could not be written, as the system tells it.
enum class FileProblem {
    None,
    Missing,    // the folder is not there
    NotAllowed, // no permission to write there, or a read-only disk
    DiskFull,   // no room (or no quota) left
    InUse,      // another program kept the file open throughout the retries
    LockLost,   // the lock guarding the file is no longer this program's (ReplaceCondition)
    Other,
};

// Writes bytes in place of target (made when missing). On failure target
// is as it was, no temporary file stays, and detail (when given) says what
// the system reported.
FileProblem replaceFileContents(const QString &target, const QByteArray &bytes, QString *detail = nullptr);

// While one lives, every file its thread replaces is put in place only if
// check() holds just before (the lock that guards the files is still this
// program's); otherwise that replacement fails with LockLost and the old
// file stays.
class ReplaceCondition {
public:
    explicit ReplaceCondition(std::function<bool()> check);
    ~ReplaceCondition();
    ReplaceCondition(const ReplaceCondition &) = delete;
    ReplaceCondition &operator=(const ReplaceCondition &) = delete;
    static bool holds();

private:
    std::function<bool()> check_;
    ReplaceCondition *outer_;
};

// Gives a file this program has just made (a lock file) the permissions a
// new file in its folder gets, as described above.
void fitPermissionsToFolder(const QString &path);

// Whether path, and the temporary file that replaces it, stay within the
// 259 characters a Windows PC opens without long-path support.
bool fitsWindowsPathLimit(const QString &path);

// The step that renames a finished temporary file over its target, which a
// test can replace to make it fail; an empty step restores the platform's.
using RenameOverStep = std::function<FileProblem(const QString &temporary, const QString &target)>;
void setRenameOverStep(RenameOverStep step);
// The platform's own rename, for a replacement step that passes calls on.
FileProblem platformRenameOver(const QString &temporary, const QString &target);
