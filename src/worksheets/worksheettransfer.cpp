#include "worksheets/worksheettransfer.h"

#include "toolkit/filedialog.h"
#include "toolkit/messagebox.h"
#include "worksheets/wizard.h"
#include "worksheets/worksheetexport.h"
#include "worksheets/worksheetimport.h"

#include <QFileInfo>

namespace {
const QString kGiftFilter = QStringLiteral("GIFT questions (*.gift *.txt)");
const QString kAikenFilter = QStringLiteral("Aiken questions (*.txt)");

// The file to export to and its format: the dialog's file type decides,
// unless the name ends in ".gift"; a name without an extension gets the format's.
struct ExportTarget {
    QString path;
    ExportFormat format = ExportFormat::Gift;
};

std::optional<ExportTarget> chooseExportFile(const QString &caption, const QString &suggestedName)
{
    const FileChoice choice =
        chooseFile({FileRequest::Mode::Save, caption, suggestedName + QStringLiteral(".gift"), {kGiftFilter, kAikenFilter}});
    if (choice.path.isEmpty())
        return std::nullopt;
    ExportTarget target{choice.path, exportFormatFor(choice.path, choice.filter == kAikenFilter ? ExportFormat::Aiken
                                                                                               : ExportFormat::Gift)};
    if (QFileInfo(target.path).suffix().isEmpty())
        target.path += target.format == ExportFormat::Gift ? QStringLiteral(".gift") : QStringLiteral(".txt");
    return target;
}

// One message: what was written, with what was left out, or why nothing was.
void writeAndTell(const ExportTarget &target, const QList<WorksheetContent> &worksheets, const QString &done,
                  const QString &leftOut = {})
{
    const FileProblem problem = writeExportFile(target.path, worksheets, target.format);
    if (problem != FileProblem::None)
        messageBox(exportFileProblemMessage(problem, target.path));
    else
        messageBox(exportedMessage(done, target.path) + (leftOut.isEmpty() ? QString() : QStringLiteral("\n\n") + leftOut));
}
} // namespace

void importWorksheetFromFile()
{
    const FileChoice choice = chooseFile({FileRequest::Mode::Open, QStringLiteral("Import Worksheet"), {},
                                          {QStringLiteral("GIFT or Aiken questions (*.gift *.txt)"),
                                           QStringLiteral("All files (*)")}});
    if (choice.path.isEmpty())
        return;
    const WorksheetImport import = importQuestionFile(choice.path);
    if (import.filled > 0)
        touch<wizard>().showImported(import.worksheet);
    messageBox(importMessage(import, QFileInfo(choice.path).fileName()));
}

void exportWorksheetToFile(const WorksheetContent &worksheet)
{
    const auto target = chooseExportFile(QStringLiteral("Export Worksheet"), worksheet.title);
    if (!target)
        return;
    if (const QStringList problems = exportProblems(worksheet, target->format); !problems.isEmpty()) {
        messageBox(notExportedMessage(worksheet.title, target->format, problems));
        return;
    }
    writeAndTell(*target, {worksheet}, QStringLiteral("The worksheet ") + worksheet.title + QStringLiteral(" has been"));
}

void exportAllToFile(const QStringList &titles)
{
    if (titles.isEmpty()) {
        messageBox(QStringLiteral("The Worksheets Catalogue lists no worksheets to export."));
        return;
    }
    const auto target = chooseExportFile(QStringLiteral("Export All Worksheets"), QStringLiteral("Worksheets"));
    if (!target)
        return;
    const ExportSelection selection = selectForExport(titles, target->format);
    const QString leftOut = leftOutText(selection.leftOut);
    if (selection.worksheets.isEmpty()) {
        messageBox(QStringLiteral("No worksheet has been exported.\n\n") + leftOut);
        return;
    }
    const int count = int(selection.worksheets.size());
    writeAndTell(*target, selection.worksheets,
                 (count == 1 ? QStringLiteral("1 worksheet has") : QStringLiteral("%1 worksheets have").arg(count))
                     + QStringLiteral(" been"),
                 leftOut);
}
