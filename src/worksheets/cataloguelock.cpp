#include "worksheets/cataloguelock.h"

#include "worksheets/worksheetpaths.h"

#include <QDeadlineTimer>
#include <QThread>

namespace {
// A rewrite takes milliseconds; a wait this long means something is wrong,
// and the teacher is told the save failed rather than left waiting.
constexpr int waitMilliseconds = 10000;
// Ask again this often. (QLockFile's own waiting doubles its pause up to
// seconds, so a program saving in a loop could keep it out until it gave up.)
constexpr int pollMilliseconds = 15;
// A lock left by a program on another PC that crashed mid-rewrite is taken
// over after this long (a crashed program on this PC is noticed at once).
constexpr int staleMilliseconds = 30000;
} // namespace

CatalogueLock::CatalogueLock() : file_(catalogueLockPath())
{
    file_.setStaleLockTime(staleMilliseconds);
    const QDeadlineTimer deadline(waitMilliseconds);
    for (;;) {
        if (file_.tryLock(0)) {
            locked_ = true;
            return;
        }
        // Only a lock held by someone else is worth waiting for; a folder
        // that cannot take the lock file will not change its mind.
        if (file_.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return;
        QThread::msleep(pollMilliseconds);
    }
}
