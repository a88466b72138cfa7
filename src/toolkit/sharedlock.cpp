#include "toolkit/sharedlock.h"

#include "toolkit/atomicfile_platform.h"
#include "toolkit/sharedlock_platform.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QList>
#include <QRandomGenerator>
#include <QSysInfo>
#include <QThread>

using namespace sharedlock_platform;

namespace {
// Asking this often keeps a waiting save from trailing far behind the lock's
// release, and costs a share little.
constexpr int pollMilliseconds = 25;
// Far more than any lock file holds.
constexpr qsizetype lockBytesRead = 1024;
constexpr int beatDigits = 10;
// A share may refuse to make a file in a race (sshfs says "operation not
// permitted"): a failure with no lock in the way is believed when repeated.
constexpr int failuresBelieved = 4;
// The lines of a lock file: as older programs wrote them (process number,
// program, computer, its unique number, its start), then the holder's own
// random token and the beat counter.
enum Line { Pid, Program, Host, Machine, Boot, Token, BeatCount, LineCount };

std::atomic<int> waitLimit{0};

std::function<void()> &takeOverHook()
{
    static std::function<void()> hook;
    return hook;
}

QByteArray lineOf(const QByteArray &contents, Line line) { return contents.split('\n').value(line); }

QByteArray beatText(quint64 count) { return QByteArray::number(count).rightJustified(beatDigits, '0'); }

QByteArray newContents()
{
    const QString program = QCoreApplication::instance() ? QCoreApplication::applicationName() : QString();
    const QByteArray token = QByteArray::number(QRandomGenerator::system()->generate64(), 16)
        + QByteArray::number(QRandomGenerator::system()->generate64(), 16);
    const QList<QByteArray> lines{QByteArray::number(QCoreApplication::applicationPid()), program.toUtf8(),
                                  QSysInfo::machineHostName().toUtf8(), QSysInfo::machineUniqueId(),
                                  QSysInfo::bootUniqueId(), token, beatText(0)};
    return lines.join('\n') + '\n';
}

// Made on this computer by a program that has ended, or before the
// computer last started.
bool stoppedOnThisComputer(const QByteArray &contents)
{
    const QList<QByteArray> lines = contents.split('\n');
    const QByteArray machine = lines.value(Machine), boot = lines.value(Boot);
    if (lines.size() <= Host || lines[Host] != QSysInfo::machineHostName().toUtf8()
        || (!machine.isEmpty() && machine != QSysInfo::machineUniqueId()))
        return false;
    if (!boot.isEmpty() && !QSysInfo::bootUniqueId().isEmpty() && boot != QSysInfo::bootUniqueId())
        return true;
    bool number = false;
    const qint64 pid = lines[Pid].toLongLong(&number);
    return number && !processRunning(pid);
}

// What can be seen of a lock file: its contents, or for one that cannot be
// read, its time and size (which its holder's beats change too). Empty when
// there is none.
QByteArray observe(const QString &path)
{
    QByteArray contents;
    switch (readFile(path, lockBytesRead, &contents)) {
    case Read::Done:
        return contents.isEmpty() ? QByteArrayLiteral("(empty)") : contents;
    case Read::Absent:
        return {};
    case Read::Failed:
        break;
    }
    const QFileInfo info(path);
    return "(unreadable) " + QByteArray::number(info.lastModified().toMSecsSinceEpoch()) + ' '
        + QByteArray::number(info.size());
}

void pause(int milliseconds) { QThread::msleep(static_cast<unsigned long>(milliseconds)); }
} // namespace

SharedLock::SharedLock(const QString &path) : path_(path), contents_(newContents())
{
    acquire();
    if (held_)
        beater_ = std::thread([this] { beat(); });
}

SharedLock::~SharedLock()
{
    if (!held_)
        return;
    {
        const std::lock_guard<std::mutex> guard(beatMutex_);
        stopping_ = true;
    }
    stopBeating_.notify_all();
    beater_.join();
    // Only its own: another program takes a lock over only after it has
    // stood unchanged for seconds, which this one's beats never let it.
    if (!lost_ && lineOf(observe(path_), Token) == lineOf(contents_, Token))
        removeFile(path_);
}

void SharedLock::setWaitLimit(int milliseconds) { waitLimit = milliseconds; }

void SharedLock::setTakeOverHook(std::function<void()> hook) { takeOverHook() = std::move(hook); }

// Makes the lock file, or watches the one in the way until it is given up,
// taken over, or the wait runs out.
void SharedLock::acquire()
{
    const int limit = waitLimit ? waitLimit.load() : waitMilliseconds;
    QElapsedTimer waited, unchanged;
    waited.start();
    QByteArray seen;
    int absent = 0;
    for (;;) {
        bool taken = false;
        problem_ = atomicfile_platform::writeNewFile(path_, path_, contents_, &taken, nullptr, atomicfile_platform::Flush::No);
        if (problem_ == FileProblem::None) {
            held_ = true;
            return;
        }
        const QByteArray now = observe(path_);
        if (now.isEmpty()) { // gone meanwhile: at once again; or none could be made
            if (++absent >= failuresBelieved && !taken)
                return;
        } else {
            absent = 0;
            const bool stale = stoppedOnThisComputer(now) || (now == seen && unchanged.elapsed() >= takeOverMilliseconds);
            if (stale && tryTakeOver(now))
                continue;
            if (now != seen) {
                seen = now;
                unchanged.start();
            }
        }
        if (waited.elapsed() >= limit) {
            busy_ = true;
            problem_ = FileProblem::None;
            return;
        }
        if (absent != 1)
            pause(pollMilliseconds);
    }
}

// Moves the lock aside in one step, then removes it if it is the very lock
// seen stale; otherwise puts it back, never over another lock (should one
// stand there by now, the moved one stays aside: its holder, who checks
// before every write, finds another's lock in its place). True when removed.
bool SharedLock::tryTakeOver(const QByteArray &seen)
{
    QString aside = path_ + QStringLiteral(".stale-");
    for (int i = 0; i < 6; ++i)
        aside += QChar(u'a' + QRandomGenerator::global()->bounded(26));
    if (takeOverHook())
        takeOverHook()();
    if (!moveNoReplace(path_, aside))
        return false;
    if (takeOverHook())
        takeOverHook()(); // the place stands empty just now
    if (observe(aside) == seen)
        return removeFile(aside);
    moveNoReplace(aside, path_);
    return false;
}

bool SharedLock::stillHeld() const
{
    if (!held_ || lost_)
        return false;
    // A lock moved aside by another program's mistaken takeover is back in a moment.
    for (int look = 0; look < 2; ++look) {
        QByteArray now;
        const Read read = readFile(path_, lockBytesRead, &now);
        if (read == Read::Failed)
            return true; // cannot tell just now; the beats watch on
        if (read == Read::Done)
            return lineOf(now, Token) == lineOf(contents_, Token);
        pause(4 * pollMilliseconds);
    }
    return false;
}

// Rewrites the beat counter in place while the lock file is this holder's
// own; stops for good once it is not (gone twice running, or another's).
void SharedLock::beat()
{
    const QByteArray token = lineOf(contents_, Token);
    const qint64 counterAt = contents_.size() - beatDigits - 1;
    quint64 count = 0;
    int absent = 0;
    std::unique_lock<std::mutex> guard(beatMutex_);
    while (!stopBeating_.wait_for(guard, std::chrono::milliseconds(beatMilliseconds), [this] { return stopping_; })) {
        guard.unlock();
        QByteArray now;
        const Read read = readFile(path_, lockBytesRead, &now);
        if ((read == Read::Done && lineOf(now, Token) != token) || (read == Read::Absent && ++absent >= 2))
            lost_ = true;
        else if (read == Read::Done && writeAt(path_, counterAt, beatText(++count)))
            absent = 0;
        guard.lock();
        if (lost_)
            return;
    }
}
