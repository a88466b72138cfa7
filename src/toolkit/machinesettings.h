#pragma once
// Settings an administrator makes once for every user of the computer; the
// program only reads them. Where they are follows from the program's name:
// Linux: NAME/NAME.conf, NAME in lower case, in the first of the system
// configuration folders ($XDG_CONFIG_DIRS, by default /etc/xdg) that has
// one (the user's own configuration folder is not one of them), in INI
// form: [Group] then Key=value.
// Windows: the registry key HKEY_LOCAL_MACHINE\SOFTWARE\Name\Group, value Key.
#include <QString>
#include <QVariant>

// The setting, or an invalid QVariant where none is made.
QVariant machineSetting(const QString &program, const QString &group, const QString &key);
