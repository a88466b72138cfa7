#include "worksheets/worksheetfile.h"

#include "toolkit/seqfile.h"
#include "worksheets/questionfield.h"
#include "worksheets/trackworksheets.h"
#include "worksheets/worksheetmessages.h"
#include "worksheets/worksheetpaths.h"
#include "worksheets/worksheettitle.h"

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
    if (worksheet.title.isEmpty() || worksheetTitleProblem(worksheet.title) != TitleProblem::None)
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

SaveOutcome saveWorksheetFiles(const WorksheetContent &worksheet)
{
    try {
        writeWorksheetFile(worksheet);
    } catch (const SeqFileError &) {
        return SaveOutcome::NotWritten;
    }
    const TrackOutcome tracked = trackworksheets(worksheet.title);
    if (tracked == TrackOutcome::Added || tracked == TrackOutcome::AlreadyListed)
        return SaveOutcome::Saved;
    return SaveOutcome::WrittenNotListed;
}

QString saveOutcomeMessage(SaveOutcome outcome)
{
    return outcome == SaveOutcome::Saved ? savedMessage : saveProblemMessage;
}
