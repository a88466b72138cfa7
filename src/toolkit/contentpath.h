#pragma once
// Content files are named by relative paths written Windows-style
// ("wav\click.wav", "Images\schoolsm.jpg"). They resolve against the content
// root, matching every folder and file name without regard to letter case.
#include <QString>

// The folder that holds images, wav, wmf, wmf2, logo and multiple: the
// program's own folder when it has them, else the current directory.
// VELMORA_CONTENT in the environment, or setContentRoot, overrides it.
QString contentRoot();
void setContentRoot(const QString &absoluteDir); // empty restores the default

// Absolute path for a relative content path. Each existing component is
// matched case-insensitively (an exact match wins); components that do not
// exist are kept as written, so the result can name a file to be created.
QString resolveContentPath(const QString &relativePath);
