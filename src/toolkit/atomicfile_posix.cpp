#include "toolkit/atomicfile_platform.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
FileProblem problemFromErrno(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return FileProblem::Missing;
    case EACCES:
    case EPERM:
    case EROFS:
        return FileProblem::NotAllowed;
    case ENOSPC:
    case EDQUOT:
        return FileProblem::DiskFull;
    case EBUSY:
    case ETXTBSY:
        return FileProblem::InUse;
    default:
        return FileProblem::Other;
    }
}

FileProblem failed(int error, QString *detail)
{
    if (detail)
        *detail = qt_error_string(error);
    return problemFromErrno(error);
}

// In a folder its group may write, the file joins the folder's group (the
// set-group-ID bit sees to it, or the owner when a member) and that group
// may read and write it; others may read it only if they may read the
// folder. Elsewhere it keeps mode. Never writable by others.
void fitMode(int fd, const QString &folder, mode_t mode)
{
    struct stat dir {}, file {};
    if (::stat(QFile::encodeName(folder).constData(), &dir) == 0 && ::fstat(fd, &file) == 0
        && (dir.st_mode & S_IWGRP) && (file.st_gid == dir.st_gid || ::fchown(fd, uid_t(-1), dir.st_gid) == 0))
        mode = S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | (dir.st_mode & S_IROTH);
    (void)::fchmod(fd, mode & ~mode_t(S_IWOTH));
}

QString folderOf(const QString &path) { return QFileInfo(path).path(); }
} // namespace

namespace atomicfile_platform {
FileProblem writeNewFile(const QString &temporary, const QString &target, const QByteArray &bytes, bool *nameTaken,
                         QString *detail, Flush flush)
{
    const QByteArray name = QFile::encodeName(temporary);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        const int error = errno;
        *nameTaken = error == EEXIST;
        return failed(error, detail);
    }
    *nameTaken = false;
    // A replaced file keeps its mode; a new one starts from the user's umask.
    struct stat old {}, made {};
    const bool replacing = ::stat(QFile::encodeName(target).constData(), &old) == 0;
    ::fstat(fd, &made);
    fitMode(fd, folderOf(target), (replacing ? old.st_mode : made.st_mode) & 0666);
    int error = 0;
    for (qsizetype written = 0; written < bytes.size() && error == 0;) {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n > 0)
            written += n;
        else if (n == 0 || errno != EINTR)
            error = n == 0 ? ENOSPC : errno;
    }
    if (error == 0 && flush == Flush::ToDisk && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0)
        return FileProblem::None;
    ::unlink(name.constData());
    return failed(error, detail);
}

FileProblem renameOver(const QString &temporary, const QString &target)
{
    if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) == 0)
        return FileProblem::None;
    return problemFromErrno(errno);
}

void removeFile(const QString &path) { ::unlink(QFile::encodeName(path).constData()); }

void fitPermissions(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return;
    struct stat made {};
    if (::fstat(fd, &made) == 0)
        fitMode(fd, folderOf(path), made.st_mode & 0666);
    ::close(fd);
}
} // namespace atomicfile_platform
