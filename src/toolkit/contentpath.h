#pragma once
// Content files are named by relative paths written Windows-style
// ("wav\click.wav", "Images\schoolsm.jpg"). They resolve against the content
// root, matching every folder and file name without regard to letter case.
#include <QString>

// The folder that holds images, wav, wmf, wmf2, logo and multiple: the
// program's own folder when it has them, else the installed copy (on Linux in
// ../share/velmora beside the program's folder), else the current directory.
// VELMORA_CONTENT in the environment, or setContentRoot, overrides it.
QString contentRoot();
void setContentRoot(const QString &absoluteDir); // empty restores the default
// Whether the content root is the installed copy, which only an
// administrator may change (even when the program runs as one).
bool contentIsInstalled();

// Absolute path for a relative content path. Each existing component is
// matched case-insensitively (an exact match wins); components that do not
// exist are kept as written, so the result can name a file to be created.
QString resolveContentPath(const QString &relativePath);
// The same resolution under another folder (the worksheet folder).
QString resolvePathUnder(const QString &root, const QString &relativePath);
