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

// Why writing in the worksheet folder failed, when the folder shows it; empty otherwise.
inline QString folderProblemReason(FolderProblem problem, const QString &folder)
{
    switch (problem) {
    case FolderProblem::None:
        break;
    case FolderProblem::Missing:
        return QStringLiteral("The worksheet folder ") + folder + QStringLiteral(" cannot be found.");
    case FolderProblem::NotWritable:
        return QStringLiteral("Velmora is not allowed to write in the worksheet folder ") + folder + QStringLiteral(".");
    case FolderProblem::DiskFull:
        return QStringLiteral("The disk that holds the worksheet folder ") + folder + QStringLiteral(" is full.");
    }
    return {};
}

inline const QString catalogueBusyReason =
    QStringLiteral("Another copy of Velmora is changing the Worksheet Catalogue just now. Please try again in a moment.");

// A title that differs from a listed one only in letter case would share its
// file on a Windows PC: it is refused, naming the one listed.
inline QString lookAlikeMessage(const QString &listedTitle)
{
    return QStringLiteral("There is already a worksheet called \"") + listedTitle
        + QStringLiteral("\". A title that differs from it only in capital letters would replace it, so please "
                         "choose another title, or open \"")
        + listedTitle + QStringLiteral("\" from the Worksheet Catalogue to change it.");
}

// A deletion that failed: a lock held elsewhere or a folder that cannot be
// written is said as it is; anything else is a damaged worksheet.
inline QString deleteProblemMessage(bool busy, const QString &title)
{
    const QString reason = busy ? catalogueBusyReason : folderProblemReason(writeProblemIn(worksheetFolder()), worksheetFolder());
    if (reason.isEmpty())
        return corruptedMessage;
    return QStringLiteral("The worksheet ") + title + QStringLiteral(" has not been deleted.\n\n") + reason;
}
