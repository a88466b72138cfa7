#include "worksheets/cataloguelock.h"

#include "toolkit/display.h"
#include "worksheets/worksheetpaths.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
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

// What identifies one lock file: its holder and when it was written. A new
// lock by anyone changes at least one of them.
QString lockIdentity(const QLockFile &lock, const QString &path, bool *fromThisComputer)
{
    qint64 pid = 0;
    QString host, app;
    const bool readable = lock.getLockInfo(&pid, &host, &app);
    *fromThisComputer = readable && host == QSysInfo::machineHostName();
    const QFileInfo info(path);
    return QStringLiteral("%1|%2|%3|%4|%5|%6")
        .arg(QString::number(readable), QString::number(pid), host, app,
             QString::number(info.lastModified().toMSecsSinceEpoch()), QString::number(info.size()));
}
} // namespace

CatalogueLock::CatalogueLock() : file_(catalogueLockPath())
{
    // Age by the file's time would compare this PC's clock with another's;
    // QLockFile still removes a lock whose holder on this PC has ended.
    file_.setStaleLockTime(0);
    if (file_.tryLock(0)) {
        state_ = State::Locked;
        return;
    }
    if (file_.error() != QLockFile::LockFailedError)
        return; // a folder that cannot take the lock file will not change its mind
    waitResponsively();
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
            state_ = State::Locked;
            return true;
        }
        if (file_.error() != QLockFile::LockFailedError) {
            state_ = State::Failed;
            return true;
        }
        bool local = false;
        const QString identity = lockIdentity(file_, catalogueLockPath(), &local);
        if (identity != seen || local) {
            seen = identity;
            seenFor.start();
        } else if (seenFor.elapsed() >= unchangedMilliseconds && tryTakeOver(seen)) {
            return false; // taken away; the next poll locks it
        }
        if (waited.elapsed() >= waitMilliseconds) {
            state_ = State::Busy;
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
// remover at a time, and only while the lock is still the one seen unchanged.
bool CatalogueLock::tryTakeOver(const QString &seen)
{
    QLockFile remover(catalogueLockPath() + QStringLiteral(".rmlock"));
    if (!remover.tryLock(0))
        return false;
    bool local = false;
    return lockIdentity(file_, catalogueLockPath(), &local) == seen && file_.removeStaleLockFile();
}
