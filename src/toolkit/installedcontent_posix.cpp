// Where `cmake --install` puts the content, relative to the program's own
// folder (bin/ and share/ side by side under one prefix, so the installed
// tree can be moved as a whole).
#include "toolkit/installedcontent.h"

#include <QCoreApplication>
#include <QDir>

QString installedContentRoot()
{
    if (!QCoreApplication::instance())
        return {};
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/velmora"));
}
