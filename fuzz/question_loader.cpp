// libFuzzer target: the question loader over arbitrary bytes, read from
// memory (nothing is written anywhere).
//
// Whatever the bytes, loading must end normally or with a SeqFileError, and
// every field it stores must be one line of text Windows-1252 can write back.
#include "common/module1.h"
#include "toolkit/seqfile.h"
#include "worksheets/questionloader.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

namespace {
void checkField(const QString &field, size_t inputSize)
{
    if (field.contains(QLatin1Char('\r')) || field.contains(QLatin1Char('\n')) || size_t(field.size()) > inputSize
        || field.size() > SeqFileReader::maxFieldBytes || !fitsWindows1252(field))
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Module1.quizTitle.clear();
    for (auto *slotArray : {&Module1.questionText, &Module1.answerA, &Module1.answerB, &Module1.answerC, &Module1.answerD,
                        &Module1.correctAnswer})
        slotArray->fill(QString());
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    bool loaded = false;
    try {
        SeqFileReader file = SeqFileReader::fromBytes(bytes);
        loadQuestionSet(file);
        loaded = true;
    } catch (const SeqFileError &error) {
        // A short file, or a field longer than any question file holds, are
        // the only ways a question file can fail.
        if (error.kind() != SeqFileError::Kind::PastEnd && error.kind() != SeqFileError::Kind::TooLong)
            std::abort();
    }
    // 72 fields need at least 72 field ends, minus the last.
    if (loaded && size < 71)
        std::abort();
    checkField(Module1.quizTitle, size);
    for (int k = 0; k <= 10; ++k) {
        for (const QString *field : {&Module1.questionText[k], &Module1.answerA[k], &Module1.answerB[k],
                                     &Module1.answerC[k], &Module1.answerD[k], &Module1.correctAnswer[k]})
            checkField(*field, size);
    }
    if (!Module1.questionText[0].isEmpty() || !Module1.correctAnswer[0].isEmpty())
        std::abort(); // slot 0 is never written
    return 0;
}
