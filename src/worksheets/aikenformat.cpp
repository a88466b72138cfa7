#include "worksheets/aikenformat.h"

namespace {
using Kind = ForeignQuestion::Kind;
const QString kAnswerKey = QStringLiteral("ANSWER:");

// "A. Sparta" or "B) Athens": a capital letter, a full stop or a bracket, a space or tab.
bool isAnswerLine(const QString &line)
{
    return line.size() >= 3 && line[0] >= QLatin1Char('A') && line[0] <= QLatin1Char('Z')
        && (line[1] == QLatin1Char('.') || line[1] == QLatin1Char(')'))
        && (line[2] == QLatin1Char(' ') || line[2] == QLatin1Char('\t'));
}

ForeignQuestion malformed(int line, const QString &problem)
{
    ForeignQuestion question;
    question.line = line;
    question.kind = Kind::Malformed;
    question.problem = problem;
    return question;
}

// The question being read: its text, then its answers with their letters.
struct OpenQuestion {
    ForeignQuestion question;
    QString letters;
};

// The "ANSWER: X" line ends the question: X names its right answer.
ForeignQuestion closed(OpenQuestion &open, const QString &answerLine)
{
    const QString letter = answerLine.mid(kAnswerKey.size()).trimmed().left(1);
    const qsizetype right = letter.isEmpty() ? -1 : open.letters.indexOf(letter);
    if (right < 0)
        return malformed(open.question.line, QStringLiteral("its ANSWER: line names none of its answers"));
    open.question.credits[right] = 100;
    return open.question;
}
} // namespace

QList<ForeignQuestion> readAiken(const QStringList &lines)
{
    QList<ForeignQuestion> questions;
    std::optional<OpenQuestion> open;
    bool strayLines = false; // answer lines with no question: reported once a run
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        if (line.isEmpty())
            continue;
        if (isAnswerLine(line) || line.startsWith(kAnswerKey)) {
            if (!open) {
                if (!strayLines)
                    questions << malformed(n + 1, QStringLiteral("its answers have no question before them"));
                strayLines = true;
            } else if (isAnswerLine(line)) {
                open->question.answers << line.mid(3).trimmed();
                open->question.credits << 0;
                open->letters += line[0];
            } else {
                questions << closed(*open, line);
                open.reset();
            }
            continue;
        }
        strayLines = false;
        if (open)
            questions << malformed(open->question.line, QStringLiteral("it has no ANSWER: line"));
        open = OpenQuestion{};
        open->question.line = n + 1;
        open->question.text = line;
    }
    if (open)
        questions << malformed(open->question.line, QStringLiteral("it has no ANSWER: line"));
    return questions;
}

QStringList aikenCannotHold(const WorksheetContent &worksheet)
{
    QStringList problems;
    forEachCarriedText(worksheet, [&problems](const QString &name, const QString &text, bool isAnswer) {
        if (text.isEmpty())
            problems << name + QStringLiteral(" is empty.");
        else if (!isAnswer && (isAnswerLine(text) || text.startsWith(kAnswerKey)))
            problems << name + QStringLiteral(" begins like an answer line (\"") + text.left(3).trimmed()
                    + QStringLiteral("\"), which is how Aiken would read it.");
    });
    return problems;
}

QStringList writeAiken(const QList<WorksheetContent> &worksheets)
{
    QStringList lines;
    for (const WorksheetContent &worksheet : worksheets) {
        for (int q = 0; q < questionsPerSet; ++q) {
            lines << carriedText(worksheet.questions[q]);
            QChar right;
            for (int a = 0; a < answersPerQuestion; ++a) {
                const int box = answersPerQuestion * q + a;
                const QChar letter(u'A' + a);
                lines << letter + QStringLiteral(". ") + carriedText(worksheet.answers[box]);
                if (worksheet.ticks[box])
                    right = letter;
            }
            lines << kAnswerKey + QLatin1Char(' ') + right << QString();
        }
    }
    return lines;
}
