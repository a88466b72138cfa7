#include "worksheets/worksheetcommands.h"

#include "worksheets/catalogueread.h"
#include "worksheets/wizardsave.h"
#include "worksheets/worksheetexport.h"
#include "worksheets/worksheetimport.h"
#include "worksheets/worksheetmessages.h"
#include "worksheets/worksheettitle.h"

#include <QDir>
#include <cstdio>

namespace {
const QCommandLineOption kImport(QStringLiteral("import"),
                                 QStringLiteral("Save the first ten questions of a GIFT or Aiken file that fit a "
                                                "worksheet as a new worksheet."),
                                 QStringLiteral("FILE"));
const QCommandLineOption kTitle(QStringLiteral("title"),
                                QStringLiteral("The imported worksheet's title (else the file's category or name)."),
                                QStringLiteral("TITLE"));
const QCommandLineOption kExport(QStringLiteral("export"),
                                 QStringLiteral("Write the worksheet TITLE to a GIFT or Aiken file: "
                                                "velmora --export TITLE FILE."),
                                 QStringLiteral("TITLE"));
const QCommandLineOption kExportAll(QStringLiteral("export-all"),
                                    QStringLiteral("Write every worksheet to a file of its own in FOLDER."),
                                    QStringLiteral("FOLDER"));
const QCommandLineOption kFormat(QStringLiteral("format"),
                                 QStringLiteral("gift or aiken: the format exported (else GIFT, or Aiken for a .txt "
                                                "file)."),
                                 QStringLiteral("FORMAT"));

enum Status { Done = 0, NotDone = 1, Unusable = 2 };

void say(const QString &text) { std::fputs((text + QLatin1Char('\n')).toLocal8Bit().constData(), stdout); }
int complain(const QString &text, Status status = NotDone)
{
    std::fputs((text + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
    return status;
}

QString withSkipped(const QString &text, const WorksheetImport &import)
{
    const QString skipped = skippedQuestionsText(import);
    return skipped.isEmpty() ? text : text + QStringLiteral("\n\n") + skipped;
}

// The catalogue's titles, or nothing when it cannot be read whole (a missing one lists none).
std::optional<QStringList> listedTitles()
{
    const CatalogueRead read = readCatalogue(CatalogueReadPolicy::StopAtFirstFailure);
    if (!read.complete && !read.missing)
        return std::nullopt;
    return read.titles;
}

int runImport(const QString &file, const std::optional<QString> &title)
{
    const WorksheetImport import = importQuestionFile(file);
    if (import.outcome != WorksheetImport::Outcome::Read || import.filled == 0)
        return complain(importMessage(import, file));
    if (import.filled < questionsPerSet)
        return complain(withSkipped(file + QStringLiteral(" holds only %1 of the ten questions a worksheet needs.")
                                               .arg(import.filled),
                                    import));
    WorksheetContent worksheet = import.worksheet;
    worksheet.title = title.value_or(worksheet.title);
    if (worksheet.title.size() > titleBoxLength)
        return complain(QStringLiteral("A worksheet title can be at most %1 characters long.").arg(titleBoxLength));
    // The wizard replaces a worksheet saved again under its title; from here
    // that would replace a teacher's worksheet unseen.
    if (listedTitles().value_or(QStringList()).contains(worksheet.title))
        return complain(QStringLiteral("There is already a worksheet called \"") + worksheet.title
                        + QStringLiteral("\". Please choose another title with --title, or delete that worksheet "
                                         "in the Worksheets Catalogue first."));
    const CheckedSave save = checkAndSaveWorksheet(worksheet);
    if (!save.saved)
        return complain(save.message);
    say(withSkipped(save.message + QStringLiteral(" Its title is ") + worksheet.title + QStringLiteral("."), import));
    return Done;
}

std::optional<ExportFormat> formatAsked(const QCommandLineParser &options, bool *unusable)
{
    if (!options.isSet(kFormat))
        return std::nullopt;
    const QString name = options.value(kFormat).toLower();
    *unusable = name != QLatin1String("gift") && name != QLatin1String("aiken");
    return name == QLatin1String("aiken") ? ExportFormat::Aiken : ExportFormat::Gift;
}

int runExport(const QString &title, const QString &file, std::optional<ExportFormat> asked)
{
    const std::optional<QStringList> titles = listedTitles();
    if (!titles)
        return complain(storeProblemReason(StoreProblem::CatalogueDamaged, WorksheetFolder::chosen().path()));
    if (!titles->contains(title))
        return complain(QStringLiteral("The Worksheets Catalogue lists no worksheet called \"") + title
                        + QStringLiteral("\"."));
    const std::optional<WorksheetContent> worksheet = readListedWorksheet(title);
    if (!worksheet)
        return complain(corruptedMessage);
    const ExportFormat format = exportFormatFor(file, asked);
    if (const QStringList problems = exportProblems(*worksheet, format); !problems.isEmpty())
        return complain(notExportedMessage(title, format, problems));
    if (const FileProblem problem = writeExportFile(file, {*worksheet}, format); problem != FileProblem::None)
        return complain(exportFileProblemMessage(problem, file));
    say(exportedMessage(QStringLiteral("The worksheet ") + title + QStringLiteral(" has been"), file));
    return Done;
}

int runExportAll(const QString &folder, std::optional<ExportFormat> asked)
{
    const std::optional<QStringList> titles = listedTitles();
    if (!titles)
        return complain(storeProblemReason(StoreProblem::CatalogueDamaged, WorksheetFolder::chosen().path()));
    const ExportFormat format = asked.value_or(ExportFormat::Gift);
    const QString suffix = format == ExportFormat::Gift ? QStringLiteral(".gift") : QStringLiteral(".txt");
    const ExportSelection selection = selectForExport(*titles, format);
    if (!QDir().mkpath(folder))
        return complain(QStringLiteral("Velmora could not make the folder ") + QDir::toNativeSeparators(folder)
                        + QStringLiteral("."));
    QStringList leftOut = selection.leftOut;
    int written = 0;
    for (const WorksheetContent &worksheet : selection.worksheets) {
        if (!titleStaysInFolder(worksheet.title)) {
            leftOut << worksheet.title + QStringLiteral(": its title cannot name a file.");
            continue;
        }
        const QString file = QDir(folder).filePath(worksheet.title + suffix);
        if (const FileProblem problem = writeExportFile(file, {worksheet}, format); problem != FileProblem::None)
            return complain(exportFileProblemMessage(problem, file));
        ++written;
    }
    say(exportedMessage(QStringLiteral("%1 of the %2 worksheets listed have been").arg(written).arg(titles->size()),
                        folder));
    return leftOut.isEmpty() ? Done : complain(leftOutText(leftOut));
}
} // namespace

void describeWorksheetOptions(QCommandLineParser &options)
{
    options.addOptions({kImport, kTitle, kExport, kExportAll, kFormat});
}

bool asksForWorksheetWork(const QCommandLineParser &options)
{
    for (const QCommandLineOption *option : {&kImport, &kTitle, &kExport, &kExportAll, &kFormat})
        if (options.isSet(*option))
            return true;
    return false;
}

int runWorksheetCommand(const QCommandLineParser &options)
{
    const int commands = int(options.isSet(kImport)) + int(options.isSet(kExport)) + int(options.isSet(kExportAll));
    const QStringList files = options.positionalArguments();
    bool unusableFormat = false;
    const std::optional<ExportFormat> format = formatAsked(options, &unusableFormat);
    const bool fits = commands == 1 && !unusableFormat && files.size() == (options.isSet(kExport) ? 1 : 0)
        && (!options.isSet(kTitle) || options.isSet(kImport)) && (!options.isSet(kFormat) || !options.isSet(kImport));
    if (!fits)
        return complain(QStringLiteral("Please give one of:\n  velmora --import FILE [--title TITLE]\n"
                                       "  velmora --export TITLE FILE [--format gift|aiken]\n"
                                       "  velmora --export-all FOLDER [--format gift|aiken]"),
                        Unusable);
    if (options.isSet(kImport))
        return runImport(options.value(kImport),
                         options.isSet(kTitle) ? std::optional<QString>(options.value(kTitle)) : std::nullopt);
    if (options.isSet(kExport))
        return runExport(options.value(kExport), files.first(), format);
    return runExportAll(options.value(kExportAll), format);
}
