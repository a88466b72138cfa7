#include "worksheets/worksheetfile.h"

#include "toolkit/seqfile.h"
#include "worksheets/cataloguelock.h"
#include "worksheets/questionfield.h"
#include "worksheets/trackworksheets.h"
#include "worksheets/worksheetmessages.h"
#include "worksheets/worksheetpaths.h"
#include "worksheets/worksheettitle.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

namespace {
using Kind = SeqFileError::Kind;

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
        throw SeqFileError(Kind::NotStorable, QStringLiteral("question %1 needs exactly one tick").arg(q + 1));
    return digit;
}
} // namespace

void writeWorksheetFile(const WorksheetContent &worksheet)
{
    // Commas are left to the catalogue: older catalogues list such titles.
    if (worksheet.title.isEmpty() || worksheetTitleProblem(QString(worksheet.title).remove(QLatin1Char(','))) != TitleProblem::None)
        throw SeqFileError(Kind::CannotOpen, QStringLiteral("not a usable worksheet title: ") + worksheet.title);
    QString digits[questionsPerSet];
    for (int q = 0; q < questionsPerSet; ++q)
        digits[q] = rightAnswerDigit(worksheet, q);

    SeqFileWriter file(worksheetFilePath(worksheet.title));
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

namespace {
// The listed title that differs from title only in letter case, if any.
QString lookAlikeOf(const QStringList &listed, const QString &title)
{
    for (const QString &other : listed)
        if (other != title && other.compare(title, Qt::CaseInsensitive) == 0)
            return other;
    return {};
}

// What stops a worksheet being saved under this catalogue, before anything is written.
std::optional<SaveResult> refusal(const CatalogueRead &read, const QString &title)
{
    if (!read.complete)
        return SaveResult{SaveOutcome::CatalogueDamaged, {}};
    if (read.titles.contains(title))
        return std::nullopt; // editing a listed worksheet
    if (const QString listed = lookAlikeOf(read.titles, title); !listed.isEmpty())
        return SaveResult{SaveOutcome::LookAlikeListed, listed};
    if (worksheetTitleProblem(title) == TitleProblem::Comma)
        return SaveResult{SaveOutcome::CommaNotListed, {}};
    if (read.titles.size() >= maxWorksheets)
        return SaveResult{SaveOutcome::CatalogueFull, {}};
    return std::nullopt;
}

QString whySaveFailed(SaveOutcome outcome)
{
    switch (outcome) {
    case SaveOutcome::Busy:
        return catalogueBusyReason;
    case SaveOutcome::CatalogueFull:
        return QStringLiteral("The Worksheet Catalogue already holds %1 worksheets. Please delete one that is no "
                              "longer needed, then save again.")
            .arg(maxWorksheets);
    case SaveOutcome::CatalogueDamaged:
        return QStringLiteral("The list of worksheets (track.txt) seems to be damaged, so nothing has been saved. "
                              "Please ask whoever looks after this computer to check it.");
    default:
        return folderProblemReason(writeProblemIn(worksheetFolder()), worksheetFolder());
    }
}
} // namespace

SaveResult saveWorksheetFiles(const WorksheetContent &worksheet)
{
    const CatalogueLock lock;
    if (!lock.isLocked())
        return {lock.state() == CatalogueLock::State::Busy ? SaveOutcome::Busy : SaveOutcome::NotWritten, {}};
    const CatalogueRead read = readCatalogueForRewrite();
    if (auto refused = refusal(read, worksheet.title))
        return *refused;
    const bool existed = QFileInfo::exists(worksheetFilePath(worksheet.title));
    try {
        writeWorksheetFile(worksheet);
    } catch (const SeqFileError &) {
        return {SaveOutcome::NotWritten, {}};
    }
    const TrackOutcome tracked = appendTitle(read, worksheet.title);
    if (tracked == TrackOutcome::Added || tracked == TrackOutcome::AlreadyListed)
        return {SaveOutcome::Saved, {}};
    // A new worksheet that cannot be listed could never be opened: it goes again.
    if (!existed && QFile::remove(worksheetFilePath(worksheet.title)))
        return {SaveOutcome::NotWritten, {}};
    return {SaveOutcome::WrittenNotListed, {}};
}

QString saveOutcomeMessage(const SaveResult &result)
{
    switch (result.outcome) {
    case SaveOutcome::Saved:
        return savedMessage;
    case SaveOutcome::LookAlikeListed:
        return lookAlikeMessage(result.listedTitle);
    case SaveOutcome::CommaNotListed:
        return worksheetTitleMessage(TitleProblem::Comma, {});
    default:
        break;
    }
    const QString reason = whySaveFailed(result.outcome);
    return reason.isEmpty() ? saveProblemMessage : saveProblemMessage + QStringLiteral("\n\n") + reason;
}
