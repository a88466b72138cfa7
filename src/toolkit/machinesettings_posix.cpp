#include "toolkit/machinesettings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

QVariant machineSetting(const QString &program, const QString &group, const QString &key)
{
    const QString name = program.toLower();
    const QString userConfig = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    for (const QString &dir : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        const QString file = dir + '/' + name + '/' + name + QStringLiteral(".conf");
        if (dir == userConfig || !QFileInfo::exists(file))
            continue;
        return QSettings(file, QSettings::IniFormat).value(group + '/' + key);
    }
    return {};
}
