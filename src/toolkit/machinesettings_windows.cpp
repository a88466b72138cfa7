#include "toolkit/machinesettings.h"

#include <QSettings>

QVariant machineSetting(const QString &program, const QString &group, const QString &key)
{
    const QString path = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\%1\\%2").arg(program, group);
    return QSettings(path, QSettings::NativeFormat).value(key);
}
