#pragma once
// Where the multiple-choice files live inside the content folder.
#include <QString>

// "multiple\track.txt", resolved against the content root.
QString catalogueFilePath();
// "multiple/" + title + ".txt", the title exactly as typed (commas and all).
QString worksheetFilePath(const QString &title);
// The lock that guards the catalogue's read-modify-write, beside track.txt.
QString catalogueLockPath();
