#include "worksheets/worksheetexport.h"

#include "common/module1.h"
#include "common/questionset.h"
#include "worksheets/aikenformat.h"
#include "worksheets/giftformat.h"
#include "worksheets/questionloader.h"
#include "worksheets/worksheetmessages.h"

#include <QDir>
#include <QFileInfo>

namespace {
// A message lists this many problems at most.
constexpr int kProblemsListed = 20;

QString listed(const QStringList &lines)
{
    QString text = lines.mid(0, kProblemsListed).join(QLatin1Char('\n'));
    if (lines.size() > kProblemsListed)
        text += QStringLiteral("\nand %1 more.").arg(lines.size() - kProblemsListed);
    return text;
}
} // namespace

ExportFormat exportFormatFor(const QString &path, std::optional<ExportFormat> chosen)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("gift"))
        return ExportFormat::Gift;
    if (chosen)
        return *chosen;
    return suffix == QLatin1String("txt") ? ExportFormat::Aiken : ExportFormat::Gift;
}

QString formatName(ExportFormat format) { return format == ExportFormat::Gift ? QStringLiteral("GIFT") : QStringLiteral("Aiken"); }

std::optional<WorksheetContent> loadedWorksheet(const QString &title)
{
    if (firstQuestionWithoutRightAnswer())
        return std::nullopt;
    WorksheetContent worksheet;
    worksheet.title = title;
    for (int q = 0; q < questionsPerSet; ++q) {
        const int k = q + 1;
        worksheet.questions[q] = Module1.questionText[k];
        const QString answers[answersPerQuestion] = {Module1.answerA[k], Module1.answerB[k], Module1.answerC[k],
                                                     Module1.answerD[k]};
        for (int a = 0; a < answersPerQuestion; ++a) {
            worksheet.answers[answersPerQuestion * q + a] = answers[a];
            worksheet.ticks[answersPerQuestion * q + a] = a + 1 == *rightAnswerChoice(Module1.correctAnswer[k]);
        }
    }
    return worksheet;
}

std::optional<WorksheetContent> readListedWorksheet(const QString &title)
{
    if (loadWorksheetQuestions(title) != QuestionFileLoad::Loaded)
        return std::nullopt;
    return loadedWorksheet(title);
}

QStringList exportProblems(const WorksheetContent &worksheet, ExportFormat format)
{
    return format == ExportFormat::Gift ? giftCannotHold(worksheet) : aikenCannotHold(worksheet);
}

ExportSelection selectForExport(const QStringList &titles, ExportFormat format)
{
    ExportSelection selection;
    for (const QString &title : titles) {
        const std::optional<WorksheetContent> worksheet = readListedWorksheet(title);
        const QStringList problems = worksheet ? exportProblems(*worksheet, format) : QStringList(corruptedMessage);
        if (problems.isEmpty())
            selection.worksheets << *worksheet;
        else
            selection.leftOut << title + QStringLiteral(": ") + problems.first();
    }
    return selection;
}

FileProblem writeExportFile(const QString &path, const QList<WorksheetContent> &worksheets, ExportFormat format)
{
    return replaceFileContents(path, textFileBytes(format == ExportFormat::Gift ? writeGift(worksheets)
                                                                                : writeAiken(worksheets)));
}

QString exportedMessage(const QString &what, const QString &path)
{
    return what + QStringLiteral(" exported to ") + QDir::toNativeSeparators(path) + QStringLiteral(".");
}

QString notExportedMessage(const QString &title, ExportFormat format, const QStringList &problems)
{
    return QStringLiteral("The worksheet ") + title + QStringLiteral(" has not been exported: ") + formatName(format)
        + QStringLiteral(" cannot carry it as it is.\n\n") + listed(problems);
}

QString leftOutText(const QStringList &leftOut)
{
    return leftOut.isEmpty() ? QString() : QStringLiteral("These worksheets have been left out:\n") + listed(leftOut);
}

QString exportFileProblemMessage(FileProblem problem, const QString &path)
{
    QString why = QStringLiteral("the system did not say why.");
    switch (problem) {
    case FileProblem::Missing:
        why = QStringLiteral("its folder cannot be found.");
        break;
    case FileProblem::NotAllowed:
        why = QStringLiteral("Velmora is not allowed to write there.");
        break;
    case FileProblem::DiskFull:
        why = QStringLiteral("the disk is full.");
        break;
    case FileProblem::InUse:
        why = QStringLiteral("another program has the file open.");
        break;
    case FileProblem::None:
    case FileProblem::LockLost: // exports replace no file under a lock
    case FileProblem::Other:
        break;
    }
    return QStringLiteral("Velmora could not write ") + QDir::toNativeSeparators(path) + QStringLiteral(": ") + why;
}
