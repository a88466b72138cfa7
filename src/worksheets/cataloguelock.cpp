#include "worksheets/cataloguelock.h"

CatalogueLock::CatalogueLock(const WorksheetFolder &folder) : lock_(folder.lockFile())
{
    if (lock_.isHeld())
        stillOurs_.emplace([this] { return lock_.stillHeld(); });
    else
        problem_ = lock_.heldByOthers() ? StoreProblem::CatalogueBusy : folder.problemOf(lock_.problem());
}
