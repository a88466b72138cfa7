#include "toolkit/sharedlock_platform.h"

#include <QFile>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {
QByteArray native(const QString &path) { return QFile::encodeName(path); }
} // namespace

namespace sharedlock_platform {
Read readFile(const QString &path, qsizetype maxBytes, QByteArray *bytes)
{
    const int fd = ::open(native(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno == ENOENT ? Read::Absent : Read::Failed;
    bytes->resize(maxBytes);
    const ssize_t n = ::read(fd, bytes->data(), size_t(maxBytes));
    ::close(fd);
    bytes->resize(n > 0 ? n : 0);
    return n >= 0 ? Read::Done : Read::Failed;
}

bool writeAt(const QString &path, qint64 offset, const QByteArray &bytes)
{
    const int fd = ::open(native(path).constData(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    const bool written = ::pwrite(fd, bytes.constData(), size_t(bytes.size()), off_t(offset)) == bytes.size();
    return ::close(fd) == 0 && written;
}

// A hard link fails when the name is taken, which a rename would replace.
// Where the folder keeps no hard links, the kernel's no-replace rename.
bool moveNoReplace(const QString &from, const QString &to)
{
    if (::link(native(from).constData(), native(to).constData()) == 0) {
        ::unlink(native(from).constData());
        return true;
    }
    if (errno == EEXIST)
        return false;
#ifdef RENAME_NOREPLACE
    return ::renameat2(AT_FDCWD, native(from).constData(), AT_FDCWD, native(to).constData(), RENAME_NOREPLACE) == 0;
#else
    return false;
#endif
}

bool removeFile(const QString &path) { return ::unlink(native(path).constData()) == 0; }

bool processRunning(qint64 pid) { return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM); }
} // namespace sharedlock_platform
