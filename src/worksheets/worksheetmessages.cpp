#include "worksheets/worksheetmessages.h"

#include "common/module1.h"

namespace {
const QString askToCheck = QStringLiteral(" Please ask whoever looks after this computer to check it.");
}

QString storeProblemReason(StoreProblem problem, const QString &folder)
{
    switch (problem) {
    case StoreProblem::None:
        break;
    case StoreProblem::FolderMissing:
        return QStringLiteral("The worksheet folder ") + folder + QStringLiteral(" cannot be found.") + askToCheck;
    case StoreProblem::NotAllowed:
        return QStringLiteral("Velmora is not allowed to write in the worksheet folder ") + folder
            + QStringLiteral(".") + askToCheck;
    case StoreProblem::DiskFull:
        return QStringLiteral("The disk that holds the worksheet folder ") + folder + QStringLiteral(" is full.");
    case StoreProblem::CatalogueBusy:
        return QStringLiteral("Another copy of Velmora is changing the Worksheet Catalogue in the worksheet folder ")
            + folder + QStringLiteral(" just now. Please try again in a moment.");
    case StoreProblem::FileInUse:
        return QStringLiteral("Another program has a file of the worksheet folder ") + folder
            + QStringLiteral(" open. Please close it, then try again.");
    case StoreProblem::CatalogueMissing:
        return QStringLiteral("The list of worksheets, track.txt, is missing from the worksheet folder ") + folder
            + QStringLiteral(".") + askToCheck;
    case StoreProblem::CatalogueUnreadable:
        return QStringLiteral("The list of worksheets, track.txt in the worksheet folder ") + folder
            + QStringLiteral(", cannot be read.") + askToCheck;
    case StoreProblem::CatalogueDamaged:
        return QStringLiteral("The list of worksheets, track.txt in the worksheet folder ") + folder
            + QStringLiteral(", seems to be damaged.") + askToCheck;
    case StoreProblem::CatalogueFull:
        return QStringLiteral("The Worksheet Catalogue already holds %1 worksheets. Please delete one that is no "
                              "longer needed, then save again.")
            .arg(maxWorksheets);
    case StoreProblem::Other:
        return QStringLiteral("Velmora could not write in the worksheet folder ") + folder + QStringLiteral(".")
            + askToCheck;
    }
    return {};
}

QString saveProblemText(StoreProblem problem, const QString &folder)
{
    return saveProblemMessage + QStringLiteral("\n\n") + storeProblemReason(problem, folder);
}

QString deleteProblemMessage(StoreProblem problem, const QString &folder, const QString &title)
{
    return QStringLiteral("The worksheet ") + title + QStringLiteral(" has not been deleted.\n\n")
        + storeProblemReason(problem, folder);
}
