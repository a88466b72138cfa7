#pragma once
// Two classroom PCs may save into one shared "multiple" folder at the same
// time. Each read-modify-write of the catalogue holds this lock (a lock file
// beside track.txt), so neither rewrite can drop the other's title.
#include <QLockFile>

class CatalogueLock {
public:
    // Waits up to a few seconds for another program's rewrite to finish.
    CatalogueLock();
    bool isLocked() const { return locked_; }

private:
    QLockFile file_;
    bool locked_ = false;
};
