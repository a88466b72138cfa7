#pragma once
// A lock file that programs on several computers honour, kept beside the
// files it guards in a shared folder (a network share included: it needs
// neither the system's file locks, which many shares do not carry between
// computers, nor comparable clocks).
//
// Taking it makes the lock file exclusively. Its holder rewrites the file at
// a fixed beat from a thread of its own for as long as it holds it, whatever
// the program does meanwhile (waits on a file another program holds open,
// writes to a slow share), so a live holder is never taken for a stopped one
// however long it holds the lock. A lock whose holder stopped (killed, power
// cut) is taken over:
//  - made on this computer by a program that no longer runs, or before the
//    computer last started: at once;
//  - otherwise once it has not changed for takeOverMilliseconds (a dozen
//    beats), as this program's own clock measures it.
// Taking over moves the lock aside in one step and looks at it again; one
// that changed meanwhile goes back to its place without replacing anything,
// so a lock that may be live is never removed. A holder that stalled longer
// than that (a hung share) finds its lock gone, or another's, in its place:
// it must ask stillHeld() before it puts a file in place.
#include "toolkit/atomicfile.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class SharedLock {
public:
    static constexpr int beatMilliseconds = 500;
    static constexpr int takeOverMilliseconds = 6000;
    static constexpr int waitMilliseconds = 30000;

    // Takes the lock file at path, waiting up to the wait limit (sleeping:
    // call it away from the user-interface thread) while others hold it.
    explicit SharedLock(const QString &path);
    // Gives the lock up, if held.
    ~SharedLock();
    SharedLock(const SharedLock &) = delete;
    SharedLock &operator=(const SharedLock &) = delete;

    bool isHeld() const { return held_; }
    // Others held the lock throughout the wait.
    bool heldByOthers() const { return busy_; }
    // Otherwise why the lock file could not be made.
    FileProblem problem() const { return problem_; }
    // Whether the lock file is still this holder's own, as read just now.
    bool stillHeld() const;

    // The longest wait for the lock (tests shorten it); 0 restores waitMilliseconds.
    static void setWaitLimit(int milliseconds);
    // Runs between the last look at a lock to take over and moving it aside,
    // and again once it is aside, where other programs could take the lock
    // or make a new one; tests put locks there.
    static void setTakeOverHook(std::function<void()> hook);

private:
    void acquire();
    bool tryTakeOver(const QByteArray &seen);
    void beat();

    QString path_;
    QByteArray contents_; // as written; its last line counts the beats
    bool held_ = false;
    bool busy_ = false;
    FileProblem problem_ = FileProblem::None;
    std::atomic<bool> lost_{false};
    std::mutex beatMutex_;
    std::condition_variable stopBeating_;
    bool stopping_ = false;
    std::thread beater_;
};
