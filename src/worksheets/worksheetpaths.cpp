#include "worksheets/worksheetpaths.h"

#include "toolkit/contentpath.h"

QString catalogueFilePath()
{
    return resolveContentPath(QStringLiteral("multiple\\track.txt"));
}

QString worksheetFilePath(const QString &title)
{
    return resolveContentPath(QStringLiteral("multiple/") + title + QStringLiteral(".txt"));
}

QString catalogueLockPath()
{
    // Ends in ".lock", never ".txt", so no worksheet file can share its name.
    return resolveContentPath(QStringLiteral("multiple")) + QStringLiteral("/track.txt.lock");
}
