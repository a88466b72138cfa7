#pragma once
// Work that may wait (a save held up by another program's lock or by a file
// another program holds open, a slow network share, a print system that
// takes its time) runs away from the screens, so that they never freeze.
#include <functional>

// Runs work on a thread of its own and returns once it has finished (an
// exception from it comes out here). Meanwhile the screens keep painting and
// their timers run, the busy pointer shows, and clicks and key presses are
// dropped, so nothing else (a second save) can start. Work must not touch
// widgets. Without a user interface, or away from its thread, it simply runs work.
void runWhileBusy(const std::function<void()> &work);

// Runs change on the user-interface thread, where the screens' own state
// lives: at once when called there (or without a user interface); from work
// under runWhileBusy, queued to run before runWhileBusy returns.
void onUserInterfaceThread(std::function<void()> change);
