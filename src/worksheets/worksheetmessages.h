#pragma once
// The words teachers and pupils see about worksheet files, shown by the
// wizard and catalogue screens in a message box with an OK button.
#include "worksheets/worksheetfolder.h"

#include <QString>

inline const QString savedMessage = QStringLiteral("Your worksheet has been saved.");
inline const QString saveProblemMessage = QStringLiteral("There was a problem saving your worksheet");
inline const QString corruptedMessage = QStringLiteral("This worksheet seems to be corrupted.");

// Why the worksheet folder could not be changed, naming the folder so that
// whoever looks after the computer can put it right.
QString storeProblemReason(StoreProblem problem, const QString &folder);
// "There was a problem saving your worksheet", then why.
QString saveProblemText(StoreProblem problem, const QString &folder);
// "The worksheet <title> has not been deleted.", then why.
QString deleteProblemMessage(StoreProblem problem, const QString &folder, const QString &title);
