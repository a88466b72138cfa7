#include "worksheets/worksheetfile.h"

#include "toolkit/boundedfile.h"
#include "toolkit/seqfile.h"
#include "worksheets/cataloguelock.h"
#include "worksheets/questionfield.h"
#include "worksheets/trackworksheets.h"
#include "worksheets/worksheetmessages.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

namespace {
// Far more than any question file holds; a larger file is no worksheet to keep a copy of.
constexpr qint64 worksheetBytesKept = 1 << 20;

// The digit "1" to "4" of question q's single ticked answer.
QString rightAnswerDigit(const WorksheetContent &worksheet, int q)
{
    int ticked = 0;
    QString digit;
    for (int a = 0; a < answersPerQuestion; ++a) {
        if (worksheet.ticks[answersPerQuestion * q + a]) {
            ++ticked;
            digit = QString::number(a + 1);
        }
    }
    // Anything but one tick would give the file more or fewer than 72 lines.
    if (ticked != 1)
        throw SeqFileError(SeqFileError::Kind::NotStorable, QStringLiteral("question %1 needs exactly one tick").arg(q + 1));
    return digit;
}

void writeWorksheetFile(const QString &path, const WorksheetContent &worksheet)
{
    QString digits[questionsPerSet];
    for (int q = 0; q < questionsPerSet; ++q)
        digits[q] = rightAnswerDigit(worksheet, q);
    SeqFileWriter file(path);
    file.writeLine(encodeQuestionField(worksheet.title));
    file.writeLine(QStringLiteral(" "));
    for (int q = 0; q < questionsPerSet; ++q) {
        file.writeLine(encodeQuestionField(worksheet.questions[q]));
        for (int a = 0; a < answersPerQuestion; ++a)
            file.writeLine(encodeQuestionField(worksheet.answers[answersPerQuestion * q + a]));
        file.writeLine(digits[q]);
        file.writeLine(QStringLiteral(" "));
    }
    file.close();
}

// The worksheet file as it was before a save, to put back should the save fail half-way.
struct PreviousFile {
    bool existed = false;
    std::optional<QByteArray> bytes;

    explicit PreviousFile(const QString &path)
        : existed(QFileInfo::exists(path)), bytes(existed ? readWholeFile(path, worksheetBytesKept) : std::nullopt)
    {
    }
    bool putBack(const QString &path) const
    {
        if (!existed)
            return QFile::remove(path);
        return bytes && replaceFileContents(path, *bytes) == FileProblem::None;
    }
};

// The steps under the lock, after the catalogue has been read whole.
SaveResult saveReadCatalogue(const WorksheetFolder &folder, const CatalogueRead &read, const WorksheetContent &worksheet)
{
    SaveResult result{SaveOutcome::TitleRefused, StoreProblem::None,
                      checkWorksheetTitle(worksheet.title, folder.path(), read.titles), folder.path()};
    if (result.title.problem != TitleProblem::None)
        return result;
    result.outcome = SaveOutcome::NotSaved;
    const QString path = folder.worksheetFile(worksheet.title);
    if (!read.titles.contains(worksheet.title) && read.titles.size() >= maxWorksheets)
        result.problem = StoreProblem::CatalogueFull;
    else if (path.isEmpty())
        result.problem = StoreProblem::Other; // a link out of the folder stands in the file's place
    if (result.problem != StoreProblem::None)
        return result;
    const PreviousFile previous(path);
    try {
        writeWorksheetFile(path, worksheet);
    } catch (const SeqFileError &error) {
        result.problem = folder.problemOf(error.problem());
        return result;
    }
    try {
        trackworksheets(folder, read, worksheet.title);
    } catch (const SeqFileError &error) {
        result.problem = folder.problemOf(error.problem());
        if (!previous.putBack(path))
            result.outcome = SaveOutcome::WrittenNotListed;
        return result;
    }
    result.outcome = SaveOutcome::Saved;
    return result;
}
} // namespace

SaveResult saveWorksheetFiles(const WorksheetContent &worksheet)
{
    const WorksheetFolder folder = WorksheetFolder::chosen();
    SaveResult result{SaveOutcome::NotSaved, folder.prepareForWriting(), {}, folder.path()};
    if (result.problem != StoreProblem::None)
        return result;
    const CatalogueLock lock(folder);
    if (!lock.isLocked()) {
        result.problem = lock.problem();
        return result;
    }
    const CatalogueRead read = readCatalogueForRewrite(folder);
    if (!read.complete) {
        result.problem = whyNotWhole(read);
        return result;
    }
    return saveReadCatalogue(folder, read, worksheet);
}

QString saveOutcomeMessage(const SaveResult &result, const QString &title)
{
    switch (result.outcome) {
    case SaveOutcome::Saved:
        return savedMessage;
    case SaveOutcome::TitleRefused:
        return worksheetTitleMessage(result.title, title, result.folder);
    case SaveOutcome::NotSaved:
        break;
    case SaveOutcome::WrittenNotListed:
        return saveProblemText(result.problem, result.folder) + QStringLiteral("\n\nThe file ") + title
            + QStringLiteral(".txt has been written in the folder, but the Worksheet Catalogue does not list it.");
    }
    return saveProblemText(result.problem, result.folder);
}
