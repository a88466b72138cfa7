#include "toolkit/atomicfile.h"

#include "toolkit/atomicfile_platform.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QThread>

namespace {
// A dot and six letters: never ".txt", so no temporary file looks like a worksheet.
constexpr int temporarySuffixLength = 7;
constexpr qsizetype windowsPathLimit = 259;
// A file held open by a reader or a virus scanner is usually free again
// within a moment; the caller holds its lock meanwhile.
constexpr qint64 inUseRetryMilliseconds = 2000;
constexpr unsigned long inUsePauseMilliseconds = 50;

thread_local ReplaceCondition *currentCondition = nullptr;

RenameOverStep &renameStep()
{
    static RenameOverStep step;
    return step;
}

QString temporaryNameFor(const QString &target)
{
    QString name = target + QLatin1Char('.');
    for (int i = 1; i < temporarySuffixLength; ++i)
        name += QChar(u'a' + QRandomGenerator::global()->bounded(26));
    return name;
}

FileProblem renameWithRetries(const QString &temporary, const QString &target)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (!ReplaceCondition::holds())
            return FileProblem::LockLost;
        const FileProblem problem =
            renameStep() ? renameStep()(temporary, target) : platformRenameOver(temporary, target);
        if (problem != FileProblem::InUse || waited.elapsed() >= inUseRetryMilliseconds)
            return problem;
        QThread::msleep(inUsePauseMilliseconds);
    }
}
} // namespace

FileProblem replaceFileContents(const QString &target, const QByteArray &bytes, QString *detail)
{
    QString temporary;
    FileProblem problem = FileProblem::Other;
    bool nameTaken = true;
    for (int attempt = 0; nameTaken && attempt < 20; ++attempt) {
        temporary = temporaryNameFor(target);
        problem = atomicfile_platform::writeNewFile(temporary, target, bytes, &nameTaken, detail);
    }
    if (problem != FileProblem::None)
        return problem;
    problem = renameWithRetries(temporary, target);
    if (problem != FileProblem::None) {
        atomicfile_platform::removeFile(temporary);
        if (detail)
            *detail = QStringLiteral("cannot put the new file in place of ") + target;
    }
    return problem;
}

ReplaceCondition::ReplaceCondition(std::function<bool()> check) : check_(std::move(check)), outer_(currentCondition)
{
    currentCondition = this;
}

ReplaceCondition::~ReplaceCondition() { currentCondition = outer_; }

bool ReplaceCondition::holds()
{
    for (const ReplaceCondition *condition = currentCondition; condition; condition = condition->outer_)
        if (!condition->check_())
            return false;
    return true;
}

void fitPermissionsToFolder(const QString &path) { atomicfile_platform::fitPermissions(path); }

bool fitsWindowsPathLimit(const QString &path) { return path.size() + temporarySuffixLength <= windowsPathLimit; }

void setRenameOverStep(RenameOverStep step) { renameStep() = std::move(step); }

FileProblem platformRenameOver(const QString &temporary, const QString &target)
{
    return atomicfile_platform::renameOver(temporary, target);
}
