#include "toolkit/sharedlock_platform.h"

#include <QDir>
#include <string>
#include <windows.h>

namespace {
std::wstring native(const QString &path) { return QDir::toNativeSeparators(path).toStdWString(); }

// Shared for everything, so that a waiter reading the lock never keeps its
// holder from rewriting or removing it.
HANDLE openShared(const QString &path, DWORD access)
{
    return CreateFileW(native(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}
} // namespace

namespace sharedlock_platform {
Read readFile(const QString &path, qsizetype maxBytes, QByteArray *bytes)
{
    const HANDLE file = openShared(path, GENERIC_READ);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Read::Absent : Read::Failed;
    }
    bytes->resize(maxBytes);
    DWORD n = 0;
    const bool read = ReadFile(file, bytes->data(), DWORD(maxBytes), &n, nullptr);
    CloseHandle(file);
    bytes->resize(read ? qsizetype(n) : 0);
    return read ? Read::Done : Read::Failed;
}

bool writeAt(const QString &path, qint64 offset, const QByteArray &bytes)
{
    const HANDLE file = openShared(path, GENERIC_WRITE);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    OVERLAPPED at{};
    at.Offset = DWORD(offset & 0xffffffff);
    at.OffsetHigh = DWORD(quint64(offset) >> 32);
    DWORD n = 0;
    const bool written = WriteFile(file, bytes.constData(), DWORD(bytes.size()), &n, &at) && n == DWORD(bytes.size());
    return CloseHandle(file) && written;
}

bool moveNoReplace(const QString &from, const QString &to)
{
    return MoveFileExW(native(from).c_str(), native(to).c_str(), MOVEFILE_WRITE_THROUGH);
}

bool removeFile(const QString &path) { return DeleteFileW(native(path).c_str()); }

bool processRunning(qint64 pid)
{
    const HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(pid));
    if (!process)
        return GetLastError() == ERROR_ACCESS_DENIED; // another user's program
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
}
} // namespace sharedlock_platform
