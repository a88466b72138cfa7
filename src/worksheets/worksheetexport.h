#pragma once
// Sending worksheets to a GIFT or Aiken file: each worksheet as its file
// holds it, under the title the catalogue lists (the file's own first line
// cannot tell a typed "&" from a comma), written only when the format
// carries every question and answer as the quiz shows it.
#include "toolkit/atomicfile.h"
#include "worksheets/worksheetcontent.h"

#include <QStringList>
#include <optional>

enum class ExportFormat { Gift, Aiken };

// The format for a file: ".gift" is GIFT; any other name takes the format
// chosen, else Aiken for ".txt" and GIFT for the rest.
ExportFormat exportFormatFor(const QString &path, std::optional<ExportFormat> chosen = std::nullopt);
// "GIFT" or "Aiken".
QString formatName(ExportFormat format);

// The question set just loaded, as the worksheet of the listed title;
// nothing when it names no right answer for a question.
std::optional<WorksheetContent> loadedWorksheet(const QString &title);
// The listed worksheet of that title, read from its file in the worksheet
// folder (into the shared question set, as every reader of a worksheet
// does); nothing when its file is missing or cut short, or names no right
// answer for a question.
std::optional<WorksheetContent> readListedWorksheet(const QString &title);

// Why the format cannot carry the worksheet: a line for each question or
// answer it cannot, empty when it can.
QStringList exportProblems(const WorksheetContent &worksheet, ExportFormat format);

// The listed worksheets that can be written in the format, and a line for
// each one left out ("Title: why").
struct ExportSelection {
    QList<WorksheetContent> worksheets;
    QStringList leftOut;
};
ExportSelection selectForExport(const QStringList &titles, ExportFormat format);

// Writes the worksheets into a new file at path in UTF-8, replacing any
// file there only once the new one is whole.
FileProblem writeExportFile(const QString &path, const QList<WorksheetContent> &worksheets, ExportFormat format);

// For the teacher.
QString exportedMessage(const QString &what, const QString &path);
QString notExportedMessage(const QString &title, ExportFormat format, const QStringList &problems);
QString leftOutText(const QStringList &leftOut);
QString exportFileProblemMessage(FileProblem problem, const QString &path);
