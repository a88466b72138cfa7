#include "worksheets/giftformat.h"

#include "worksheets/htmltext.h"

namespace {
using Kind = ForeignQuestion::Kind;

const QString kReserved = QStringLiteral("~=#{}:\\");
const QString kCategory = QStringLiteral("$CATEGORY:");
const QString kGap = QStringLiteral("_____");
const QStringList kFormats = {QStringLiteral("[html]"), QStringLiteral("[moodle]"), QStringLiteral("[plain]"),
                              QStringLiteral("[markdown]")};

// Text with its escapes resolved: each character remembers whether a
// backslash made it plain, so that only unescaped ones mark the structure.
struct GiftText {
    QString chars;
    QList<bool> plain;

    static GiftText unescape(const QString &raw)
    {
        GiftText t;
        for (qsizetype i = 0; i < raw.size(); ++i) {
            const QChar next = i + 1 < raw.size() ? raw[i + 1] : QChar();
            if (raw[i] == QLatin1Char('\\') && (kReserved.contains(next) || next == QLatin1Char('n'))) {
                t.add(next == QLatin1Char('n') ? QChar(u'\n') : next, true);
                ++i;
            } else {
                t.add(raw[i], raw[i] == QLatin1Char('\\'));
            }
        }
        return t;
    }
    void add(QChar c, bool isPlain)
    {
        chars += c;
        plain += isPlain;
    }
    // The first unescaped occurrence of s at or after from, or -1.
    qsizetype find(QStringView s, qsizetype from = 0) const
    {
        for (qsizetype i = chars.indexOf(s, from); i >= 0; i = chars.indexOf(s, i + 1)) {
            bool marks = true;
            for (qsizetype j = i; j < i + s.size(); ++j)
                marks = marks && !plain[j];
            if (marks)
                return i;
        }
        return -1;
    }
    GiftText mid(qsizetype from, qsizetype length = -1) const
    {
        return {chars.mid(from, length), plain.mid(from, length)};
    }
    GiftText trimmed() const
    {
        qsizetype from = 0, to = chars.size();
        while (from < to && chars[from].isSpace())
            ++from;
        while (to > from && chars[to - 1].isSpace())
            --to;
        return mid(from, to - from);
    }
};

// The format marker the text starts with, taken off it; html is made plain.
QString plainOf(QString text, bool inheritedHtml)
{
    bool html = inheritedHtml;
    for (const QString &format : kFormats) {
        if (text.startsWith(format, Qt::CaseInsensitive)) {
            html = format == kFormats[0];
            text = text.mid(format.size()).trimmed();
        }
    }
    return html ? htmlToPlainText(text) : text;
}

bool isHtml(const QString &text) { return text.startsWith(kFormats[0], Qt::CaseInsensitive); }

// The last part of a category path; "//" is a "/" within a name.
QString categoryName(const QString &line)
{
    QString path = line.mid(kCategory.size()).trimmed();
    path.replace(QStringLiteral("//"), QString(QChar(0xFFFF)));
    return path.section(QLatin1Char('/'), -1).replace(QChar(0xFFFF), QLatin1Char('/')).trimmed();
}

// The answers between the braces of a multiple-choice question, or why they are none.
void readAnswers(const GiftText &body, bool html, ForeignQuestion &question)
{
    QList<qsizetype> starts;
    for (qsizetype i = 0; i < body.chars.size(); ++i)
        if (!body.plain[i] && (body.chars[i] == QLatin1Char('=') || body.chars[i] == QLatin1Char('~')))
            starts << i;
    if (starts.isEmpty() || !body.mid(0, starts[0]).trimmed().chars.isEmpty()) {
        question.kind = Kind::Malformed;
        question.problem = QStringLiteral("its answers do not start with = or ~");
        return;
    }
    bool anyWrong = false;
    for (qsizetype n = 0; n < starts.size(); ++n) {
        const qsizetype end = n + 1 < starts.size() ? starts[n + 1] : body.chars.size();
        GiftText answer = body.mid(starts[n] + 1, end - starts[n] - 1);
        const bool right = body.chars[starts[n]] == QLatin1Char('=');
        anyWrong = anyWrong || !right;
        if (answer.find(u"->") >= 0)
            question.kind = Kind::Matching;
        const qsizetype feedback = answer.find(u"#");
        answer = answer.mid(0, feedback).trimmed();
        double credit = right ? 100 : 0;
        const qsizetype weightEnd = answer.chars.startsWith(QLatin1Char('%')) ? answer.find(u"%", 1) : -1;
        if (weightEnd > 0) {
            credit = answer.chars.mid(1, weightEnd - 1).toDouble();
            answer = answer.mid(weightEnd + 1).trimmed();
        }
        question.answers << plainOf(answer.chars, html);
        question.credits << credit;
    }
    if (!anyWrong && question.kind == Kind::MultipleChoice)
        question.kind = Kind::ShortAnswer;
}

// What kind of question the text between the braces makes.
void readBody(const GiftText &body, bool html, ForeignQuestion &question)
{
    const QString word = body.mid(0, body.find(u"#")).trimmed().chars.toUpper();
    if (body.chars.isEmpty())
        question.kind = Kind::Essay;
    else if (body.chars.startsWith(QLatin1Char('#')) && !body.plain[0])
        question.kind = Kind::Numerical;
    else if (word == QLatin1String("T") || word == QLatin1String("TRUE") || word == QLatin1String("F")
             || word == QLatin1String("FALSE"))
        question.kind = Kind::TrueFalse;
    else
        readAnswers(body, html, question);
}

ForeignQuestion readQuestion(const QString &block, int line, const QString &category)
{
    ForeignQuestion question;
    question.line = line;
    question.category = category;
    GiftText text = GiftText::unescape(block).trimmed();
    if (text.chars.startsWith(QStringLiteral("::")) && !text.plain[0] && !text.plain[1]) {
        const qsizetype nameEnd = text.find(u"::", 2);
        if (nameEnd < 0) {
            question.kind = Kind::Malformed;
            question.problem = QStringLiteral("its name has no closing ::");
            return question;
        }
        text = text.mid(nameEnd + 2).trimmed();
    }
    const qsizetype open = text.find(u"{");
    const qsizetype close = open < 0 ? -1 : text.find(u"}", open + 1);
    if (open < 0 || close < 0) {
        question.kind = open < 0 ? Kind::Description : Kind::Malformed;
        if (open >= 0)
            question.problem = QStringLiteral("its answers have no closing }");
        return question;
    }
    if (text.find(u"{", close) >= 0 || text.find(u"}", close + 1) >= 0) {
        question.kind = Kind::Malformed;
        question.problem = QStringLiteral("it has more than one set of answers between { and }");
        return question;
    }
    const QString before = text.mid(0, open).trimmed().chars;
    const QString after = text.mid(close + 1).trimmed().chars;
    const bool html = isHtml(before);
    question.text = plainOf(before, false);
    if (!after.isEmpty())
        question.text = (question.text + QLatin1Char(' ') + kGap + QLatin1Char(' ') + plainOf(after, html)).trimmed();
    readBody(text.mid(open + 1, close - open - 1).trimmed(), html, question);
    return question;
}

bool isComment(const QString &line) { return line.trimmed().startsWith(QStringLiteral("//")); }

QString escaped(const QString &text)
{
    QString out;
    for (QChar c : text) {
        if (kReserved.contains(c))
            out += QLatin1Char('\\');
        out += c;
    }
    return out;
}
} // namespace

QList<ForeignQuestion> readGift(const QStringList &lines)
{
    QList<ForeignQuestion> questions;
    QString category, block;
    int blockLine = 0;
    auto endBlock = [&] {
        if (!block.isEmpty())
            questions << readQuestion(block, blockLine, category);
        block.clear();
    };
    for (int n = 0; n < lines.size(); ++n) {
        const QString &line = lines[n];
        if (line.trimmed().isEmpty()) {
            endBlock();
        } else if (isComment(line)) {
            continue;
        } else if (block.isEmpty() && line.trimmed().startsWith(kCategory)) {
            category = categoryName(line.trimmed());
        } else {
            if (block.isEmpty())
                blockLine = n + 1;
            // A question's lines run on as one text: only "\n" breaks it.
            block += (block.isEmpty() ? QString() : QStringLiteral(" ")) + line.trimmed();
        }
    }
    endBlock();
    return questions;
}

QStringList giftCannotHold(const WorksheetContent &worksheet)
{
    QStringList problems;
    forEachCarriedText(worksheet, [&problems](const QString &name, const QString &text, bool isAnswer) {
        if (text.isEmpty())
            problems << name + QStringLiteral(" is empty.");
        for (const QString &format : kFormats)
            if (text.startsWith(format, Qt::CaseInsensitive))
                problems << name + QStringLiteral(" begins with ") + format
                        + QStringLiteral(", which GIFT reads as the format of the text.");
        if (isAnswer && text.startsWith(QLatin1Char('%')))
            problems << name + QStringLiteral(" begins with %, which GIFT reads as a share of the marks.");
        if (isAnswer && text.contains(QStringLiteral("->")))
            problems << name + QStringLiteral(" holds ->, which GIFT reads as a matching question.");
    });
    return problems;
}

QStringList writeGift(const QList<WorksheetContent> &worksheets)
{
    QStringList lines;
    for (const WorksheetContent &worksheet : worksheets) {
        lines << kCategory + QLatin1Char(' ') + worksheet.title << QString();
        for (int q = 0; q < questionsPerSet; ++q) {
            lines << QStringLiteral("::%1 %2::").arg(escaped(worksheet.title)).arg(q + 1)
                    + escaped(carriedText(worksheet.questions[q])) + QLatin1Char('{');
            for (int a = 0; a < answersPerQuestion; ++a) {
                const int box = answersPerQuestion * q + a;
                lines << QStringLiteral("\t") + QLatin1Char(worksheet.ticks[box] ? '=' : '~')
                        + escaped(carriedText(worksheet.answers[box]));
            }
            lines << QStringLiteral("}") << QString();
        }
    }
    return lines;
}
