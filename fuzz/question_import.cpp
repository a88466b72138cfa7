// libFuzzer target: the GIFT and Aiken readers over arbitrary bytes, as an
// import reads a teacher's file (nothing is written anywhere).
//
// Whatever the bytes, both readers must end normally with every question on
// a line of the file, and an import may fill only questions a worksheet
// keeps: text that fits its box and Windows-1252, one right answer each.
// A worksheet that fills all ten and that a format can carry must come back
// from that format's writer and reader exactly.
#include "toolkit/seqfile.h"
#include "worksheets/aikenformat.h"
#include "worksheets/giftformat.h"
#include "worksheets/worksheetimport.h"

#include <cstdint>
#include <cstdlib>

namespace {
void check(bool holds)
{
    if (!holds)
        std::abort();
}

void checkLines(const QList<ForeignQuestion> &questions, qsizetype lineCount)
{
    for (const ForeignQuestion &question : questions)
        check(question.line >= 1 && question.line <= lineCount && question.answers.size() == question.credits.size());
}

void checkKept(const QString &text, int longest)
{
    check(!text.isEmpty() && text.size() <= longest && fitsWindows1252(text) && !text.contains(QLatin1Char('\n')));
}

// The questions, answers and ticks of both, which a format carries (the title it need not).
bool sameQuestions(const WorksheetContent &a, const WorksheetContent &b)
{
    return a.questions == b.questions && a.answers == b.answers && a.ticks == b.ticks;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const std::optional<QStringList> lines = textFileLines(bytes)) {
        checkLines(readGift(*lines), lines->size());
        checkLines(readAiken(*lines), lines->size());
    }
    const WorksheetImport import = importQuestions(bytes, QStringLiteral("fuzz.gift"));
    check(import.filled >= 0 && import.filled <= questionsPerSet && import.worksheet.title.size() <= titleBoxLength);
    for (int q = 0; q < import.filled; ++q) {
        checkKept(import.worksheet.questions[q], questionBoxLength);
        int ticks = 0;
        for (int a = 0; a < answersPerQuestion; ++a) {
            checkKept(import.worksheet.answers[answersPerQuestion * q + a], answerBoxLength);
            ticks += import.worksheet.ticks[answersPerQuestion * q + a];
        }
        check(ticks == 1);
    }
    if (import.filled < questionsPerSet)
        return 0;
    if (giftCannotHold(import.worksheet).isEmpty())
        check(sameQuestions(importQuestions(textFileBytes(writeGift({import.worksheet})), {}).worksheet, import.worksheet));
    if (aikenCannotHold(import.worksheet).isEmpty())
        check(sameQuestions(importQuestions(textFileBytes(writeAiken({import.worksheet})), {}).worksheet, import.worksheet));
    return 0;
}
