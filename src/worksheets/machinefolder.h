#pragma once
// Where this computer keeps worksheets when the content beside the program
// cannot take them: the folder named once for the whole machine, else a
// default folder.
#include <QString>

// The folder named for the whole machine, or empty where none is named.
// Linux: velmora/velmora.conf in the system configuration folders
// ($XDG_CONFIG_DIRS, by default /etc/xdg), [Worksheets] Folder=...
// Windows: HKLM\SOFTWARE\Velmora\Worksheets, value Folder, which the
// installer writes from its WORKSHEETFOLDER property.
QString machineWorksheetFolder();

// The folder used when none is named: on Linux the user's own data folder
// (velmora/multiple under $XDG_DATA_HOME), on Windows one that every user
// of the PC shares (Velmora\Worksheets under %ProgramData%). It is made when
// first needed.
QString defaultWorksheetFolder();

// Makes the default folder, open to every user of the computer where it is
// shared by all of them. False when it cannot be made.
bool makeDefaultWorksheetFolder(const QString &path);
