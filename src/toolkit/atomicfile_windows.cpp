#include "toolkit/atomicfile_platform.h"

#include <QDir>
#include <string>
#include <windows.h>

namespace {
std::wstring native(const QString &path) { return QDir::toNativeSeparators(path).toStdWString(); }

FileProblem problemFromError(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return FileProblem::Missing;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_NETWORK_ACCESS_DENIED:
        return FileProblem::NotAllowed;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return FileProblem::DiskFull;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        return FileProblem::InUse;
    default:
        return FileProblem::Other;
    }
}

FileProblem failed(DWORD error, QString *detail)
{
    if (detail)
        *detail = qt_error_string(int(error));
    return problemFromError(error);
}
} // namespace

namespace atomicfile_platform {
// New files take the folder's access rules (its inherited ACL), which is how
// a shared folder on Windows gives every teacher the right to replace them.
FileProblem writeNewFile(const QString &temporary, const QString &, const QByteArray &bytes, bool *nameTaken,
                         QString *detail, Flush flush)
{
    const HANDLE file = CreateFileW(native(temporary).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        *nameTaken = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
        return failed(error, detail);
    }
    *nameTaken = false;
    DWORD error = ERROR_SUCCESS;
    for (qsizetype written = 0; written < bytes.size() && error == ERROR_SUCCESS;) {
        DWORD n = 0;
        if (!WriteFile(file, bytes.constData() + written, DWORD(bytes.size() - written), &n, nullptr))
            error = GetLastError();
        else if (n == 0)
            error = ERROR_DISK_FULL;
        else
            written += n;
    }
    if (error == ERROR_SUCCESS && flush == Flush::ToDisk && !FlushFileBuffers(file))
        error = GetLastError();
    CloseHandle(file);
    if (error == ERROR_SUCCESS)
        return FileProblem::None;
    DeleteFileW(native(temporary).c_str());
    return failed(error, detail);
}

// "Access denied" from a replace means one of two things: another program
// holds the target open without letting it be deleted (in use: worth a few
// tries), or this user may not replace it (a read-only file, a share that
// lets teachers make files but not replace others': said at once). Opening
// the target for deletion tells them apart: the first refuses with a sharing
// violation, the second with access denied.
static FileProblem accessDeniedCause(const QString &target)
{
    const DWORD attributes = GetFileAttributesW(native(target).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return FileProblem::NotAllowed;
    const HANDLE file = CreateFileW(native(target).c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return FileProblem::InUse; // free again already
    }
    return GetLastError() == ERROR_ACCESS_DENIED ? FileProblem::NotAllowed : FileProblem::InUse;
}

FileProblem renameOver(const QString &temporary, const QString &target)
{
    if (MoveFileExW(native(temporary).c_str(), native(target).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return FileProblem::None;
    const DWORD error = GetLastError();
    return error == ERROR_ACCESS_DENIED ? accessDeniedCause(target) : problemFromError(error);
}

void removeFile(const QString &path) { DeleteFileW(native(path).c_str()); }

void fitPermissions(const QString &) {}
} // namespace atomicfile_platform
