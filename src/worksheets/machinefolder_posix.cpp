#include "worksheets/machinefolder.h"

#include "toolkit/machinesettings.h"

#include <QDir>
#include <QStandardPaths>

QString machineWorksheetFolder()
{
    const QVariant folder = machineSetting(QStringLiteral("Velmora"), QStringLiteral("Worksheets"), QStringLiteral("Folder"));
    return folder.toString().trimmed();
}

QString defaultWorksheetFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/velmora/multiple");
}

// The user's own folder: no one else needs it.
bool makeDefaultWorksheetFolder(const QString &path) { return QDir().mkpath(path); }
