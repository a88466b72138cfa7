#include "support/platformprobe.h"

#include <QFile>
#include <sys/resource.h>
#include <sys/stat.h>

long peakMemoryKilobytes()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

bool makeNamedPipe(const QString &path) { return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; }

bool linkFolder(const QString &target, const QString &link) { return QFile::link(target, link); }

bool runsUnderWine() { return false; }
