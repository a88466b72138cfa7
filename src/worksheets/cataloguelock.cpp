#include "worksheets/cataloguelock.h"

#include "toolkit/display.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSysInfo>
#include <QThread>
#include <QTimer>

namespace {
// A rewrite takes milliseconds; a wait this long means something is wrong.
constexpr qint64 waitMilliseconds = 6000;
// A lock from another PC that stays exactly as it is this long is left over.
constexpr qint64 unchangedMilliseconds = 2500;
// Ask again this often. (QLockFile's own waiting doubles its pause up to
// seconds, so a program saving in a loop could keep it out until it gave up.)
constexpr int pollMilliseconds = 15;

std::function<void()> &takeOverHook()
{
    static std::function<void()> hook;
    return hook;
}

// What identifies one lock file: its holder and when it was written. A new
// lock by anyone changes at least one of them.
QString lockIdentity(const QString &path, bool *fromThisComputer = nullptr)
{
    qint64 pid = 0;
    QString host, app;
    const bool readable = QLockFile(path).getLockInfo(&pid, &host, &app);
    if (fromThisComputer)
        *fromThisComputer = readable && host == QSysInfo::machineHostName();
    const QFileInfo info(path);
    return QStringLiteral("%1|%2|%3|%4|%5|%6")
        .arg(QString::number(readable), QString::number(pid), host, app,
             QString::number(info.lastModified().toMSecsSinceEpoch()), QString::number(info.size()));
}
} // namespace

void CatalogueLock::setTakeOverHook(std::function<void()> hook) { takeOverHook() = std::move(hook); }

CatalogueLock::CatalogueLock(const WorksheetFolder &folder) : folder_(folder), file_(folder.lockFile())
{
    // Age by the file's time would compare this PC's clock with another's;
    // QLockFile still removes a lock whose holder on this PC has ended.
    file_.setStaleLockTime(0);
    if (file_.tryLock(0))
        problem_ = StoreProblem::None;
    else if (file_.error() == QLockFile::LockFailedError)
        waitResponsively();
    else
        settleFailure(); // a folder that cannot take the lock file will not change its mind
    if (isLocked())
        fitPermissionsToFolder(folder_.lockFile()); // another teacher may have to take it over
}

void CatalogueLock::settleFailure()
{
    problem_ = file_.error() == QLockFile::PermissionError ? StoreProblem::NotAllowed
                                                           : folder_.problemOf(FileProblem::Other);
}

// Polls on a timer inside a local event loop, with the busy pointer showing.
void CatalogueLock::waitResponsively()
{
    const bool gui = qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
    if (gui)
        showBusyPointer();
    QElapsedTimer waited;
    waited.start();
    QString seen;
    QElapsedTimer seenFor;
    auto poll = [&] {
        if (file_.tryLock(0)) {
            problem_ = StoreProblem::None;
            return true;
        }
        if (file_.error() != QLockFile::LockFailedError) {
            settleFailure();
            return true;
        }
        bool local = false;
        const QString identity = lockIdentity(folder_.lockFile(), &local);
        if (identity != seen || local) {
            seen = identity;
            seenFor.start();
        } else if (seenFor.elapsed() >= unchangedMilliseconds && tryTakeOver(seen)) {
            return false; // taken away; the next poll locks it
        }
        if (waited.elapsed() >= waitMilliseconds) {
            problem_ = StoreProblem::CatalogueBusy;
            return true;
        }
        return false;
    };
    if (QCoreApplication::instance()) {
        QEventLoop loop;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
            if (poll())
                loop.quit();
        });
        timer.start(pollMilliseconds);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    } else {
        while (!poll())
            QThread::msleep(pollMilliseconds);
    }
    if (gui)
        showDefaultPointer();
}

// Removes the left-over lock, unless someone else got there first: only one
// remover at a time, and only the very lock seen unchanged. The rename moves
// exactly one file, so if another computer took the lock just before it, it
// is that new lock that moved, and it goes back.
bool CatalogueLock::tryTakeOver(const QString &seen)
{
    const QString lock = folder_.lockFile();
    QLockFile remover(lock + QStringLiteral(".rmlock"));
    if (!remover.tryLock(0))
        return false;
    fitPermissionsToFolder(lock + QStringLiteral(".rmlock"));
    if (lockIdentity(lock) != seen)
        return false;
    if (takeOverHook())
        takeOverHook()();
    const QString aside = lock + QStringLiteral(".stale");
    QFile::remove(aside); // left by a remover that stopped; only one remover runs at a time
    if (!QFile::rename(lock, aside))
        return false;
    if (lockIdentity(aside) == seen)
        return QFile::remove(aside);
    // QFile::rename never replaces a file: should yet another lock stand
    // there now, that one stays and the moved one goes.
    if (!QFile::rename(aside, lock))
        QFile::remove(aside);
    return false;
}
