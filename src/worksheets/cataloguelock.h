#pragma once
// Two classroom PCs may save into one shared "multiple" folder at the same
// time. Each read-modify-write of the catalogue holds this lock (a shared
// lock file beside track.txt, see toolkit/sharedlock.h), so neither rewrite
// can drop the other's title. While it is held, every file its thread puts
// in place is put there only if the lock is still this program's.
//
// Waiting for it sleeps, for half a minute at most: screens run saves and
// deletions through runWhileBusy, which keeps them painting meanwhile.
#include "toolkit/sharedlock.h"
#include "worksheets/worksheetfolder.h"

#include <functional>
#include <optional>

class CatalogueLock {
public:
    explicit CatalogueLock(const WorksheetFolder &folder);
    bool isLocked() const { return lock_.isHeld(); }
    // CatalogueBusy: another program held the lock throughout the wait.
    // Otherwise why the folder cannot take a lock file (missing, read-only).
    StoreProblem problem() const { return problem_; }

    // Runs between the last look at a left-over lock and moving it aside,
    // where another computer could take the lock; tests put a lock there.
    static void setTakeOverHook(std::function<void()> hook) { SharedLock::setTakeOverHook(std::move(hook)); }

private:
    SharedLock lock_;
    StoreProblem problem_ = StoreProblem::None;
    std::optional<ReplaceCondition> stillOurs_;
};
