#pragma once
// The words teachers and pupils see about worksheet files, shown by the
// wizard and catalogue screens in a message box with an OK button.
#include <QString>

inline const QString savedMessage = QStringLiteral("Your worksheet has been saved.");
inline const QString saveProblemMessage = QStringLiteral("There was a problem saving your worksheet");
inline const QString corruptedMessage = QStringLiteral("This worksheet seems to be corrupted.");
