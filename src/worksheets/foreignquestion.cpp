#include "worksheets/foreignquestion.h"

#include <QStringDecoder>

std::optional<QStringList> textFileLines(const QByteArray &bytes)
{
    if (bytes.contains('\0'))
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return std::nullopt;
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast(); // the end of the last line, not a line of its own
    return lines;
}

QByteArray textFileBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

QString carriedText(const QString &text) { return text.trimmed(); }

void forEachCarriedText(const WorksheetContent &worksheet,
                        const std::function<void(const QString &name, const QString &text, bool isAnswer)> &visit)
{
    for (int q = 0; q < questionsPerSet; ++q) {
        const QString question = QStringLiteral("Question %1").arg(q + 1);
        visit(question, carriedText(worksheet.questions[q]), false);
        for (int a = 0; a < answersPerQuestion; ++a)
            visit(QStringLiteral("Answer %1 of ").arg(QChar(u'A' + a)) + question,
                  carriedText(worksheet.answers[answersPerQuestion * q + a]), true);
    }
}
