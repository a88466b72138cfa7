#include "worksheets/machinefolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

// The first velmora/velmora.conf among the system configuration folders
// (the user's own configuration folder is not one of them).
QString machineWorksheetFolder()
{
    const QString userConfig = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    for (const QString &dir : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        const QString file = dir + QStringLiteral("/velmora/velmora.conf");
        if (dir == userConfig || !QFileInfo::exists(file))
            continue;
        return QSettings(file, QSettings::IniFormat).value(QStringLiteral("Worksheets/Folder")).toString().trimmed();
    }
    return {};
}

QString defaultWorksheetFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/velmora/multiple");
}

// The user's own folder: no one else needs it.
bool makeDefaultWorksheetFolder(const QString &path) { return QDir().mkpath(path); }
