#pragma once
// The words teachers and pupils see about worksheet files, shown by the
// wizard and catalogue screens in a message box with an OK button.
#include "worksheets/worksheetpaths.h"

#include <QString>

inline const QString savedMessage = QStringLiteral("Your worksheet has been saved.");
inline const QString saveProblemMessage = QStringLiteral("There was a problem saving your worksheet");
inline const QString corruptedMessage = QStringLiteral("This worksheet seems to be corrupted.");

// Why a worksheet could not be saved in its folder, naming the folder so that
// whoever looks after the computer can put it right.
inline QString worksheetFolderMessage(const WorksheetFolderCheck &check)
{
    const QString ask = QStringLiteral(", so your worksheet has not been saved. Please ask whoever looks after "
                                       "this computer to check that folder.");
    if (check.problem == FolderProblem::Missing)
        return QStringLiteral("The worksheet folder ") + check.folder + QStringLiteral(" cannot be found") + ask;
    return QStringLiteral("Velmora is not allowed to save in the worksheet folder ") + check.folder + ask;
}
