#pragma once
// Two classroom PCs may save into one shared "multiple" folder at the same
// time. Each read-modify-write of the catalogue holds this lock (a lock file
// beside track.txt), so neither rewrite can drop the other's title.
//
// Waiting for it never freezes the program: the busy pointer shows and the
// event loop keeps running (painting, timers; clicks wait until the lock is
// settled). A lock is given up on after a few seconds, so the teacher is told
// rather than left waiting, and a lock left behind by a program that stopped
// is taken over:
//  - written on this computer by a program that no longer runs: at once;
//  - written on another computer (or unreadable): when the very same lock
//    file has stood unchanged for a few seconds of this program's own clock,
//    as no rewrite takes that long. Clocks of different PCs are never
//    compared, and a process number from another PC is never looked up here.
// Taking over moves the left-over lock aside in one step and looks at it
// again, so a lock that another computer made in the meantime is put back,
// never removed.
#include "worksheets/worksheetfolder.h"

#include <QLockFile>
#include <functional>

class CatalogueLock {
public:
    explicit CatalogueLock(const WorksheetFolder &folder);
    bool isLocked() const { return problem_ == StoreProblem::None; }
    // CatalogueBusy: another program held the lock throughout the wait.
    // Otherwise why the folder cannot take a lock file (missing, read-only).
    StoreProblem problem() const { return problem_; }

    // Runs between the last look at a left-over lock and moving it aside,
    // where another computer could take the lock; tests put a lock there.
    static void setTakeOverHook(std::function<void()> hook);

private:
    bool tryTakeOver(const QString &seen);
    void waitResponsively();
    void settleFailure();

    WorksheetFolder folder_;
    QLockFile file_;
    StoreProblem problem_ = StoreProblem::Other;
};
