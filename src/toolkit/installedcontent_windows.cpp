// Windows: the content lies beside the program wherever it is, so only the
// installer can tell an installed copy from one copied to a folder or a
// stick: it records the folder it installed into, for the whole machine, as
// HKLM\SOFTWARE\<application name>, value InstallFolder.
#include "toolkit/installedcontent.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

QString installedContentRoot()
{
    if (!QCoreApplication::instance())
        return {};
    const QSettings machine(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\") + QCoreApplication::applicationName(),
                            QSettings::NativeFormat);
    const QString folder = machine.value(QStringLiteral("InstallFolder")).toString().trimmed();
    return folder.isEmpty() ? QString() : QDir::cleanPath(QDir::fromNativeSeparators(folder));
}
