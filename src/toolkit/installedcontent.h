#pragma once
// Where the installed copy of the program's content lies, or empty before
// the application object exists. Content found there is read-only to the
// program, even when it runs as an administrator.
#include <QString>

QString installedContentRoot();
