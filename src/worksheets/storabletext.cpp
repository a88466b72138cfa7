#include "worksheets/storabletext.h"

#include "toolkit/seqfile.h"

std::optional<TextNotStorable> textNotStorable(const QString &text, WizardBox box, int index)
{
    using Reason = TextNotStorable::Reason;
    const QString outside = charactersOutsideWindows1252(text);
    if (!outside.isEmpty())
        return TextNotStorable{box, index, Reason::OutsideCodePage, outside};
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')))
        return TextNotStorable{box, index, Reason::LineBreak, {}};
    for (QChar c : text) {
        if (c == QLatin1Char(' '))
            continue;
        if (c == QLatin1Char('"'))
            return TextNotStorable{box, index, Reason::LeadingQuote, {}};
        break;
    }
    return std::nullopt;
}

namespace {
QString boxName(const TextNotStorable &problem)
{
    switch (problem.box) {
    case WizardBox::Question:
        return QStringLiteral("Question %1").arg(problem.index + 1);
    case WizardBox::Answer:
        return QStringLiteral("Answer %1 of Question %2")
            .arg(QChar(u'A' + problem.index % answersPerQuestion))
            .arg(problem.index / answersPerQuestion + 1);
    }
    return {};
}
} // namespace

std::optional<TextNotStorable> firstTextNotStorable(const WorksheetContent &worksheet)
{
    for (int q = 0; q < questionsPerSet; ++q) {
        if (auto problem = textNotStorable(worksheet.questions[q], WizardBox::Question, q))
            return problem;
        for (int a = 0; a < answersPerQuestion; ++a)
            if (auto problem = textNotStorable(worksheet.answers[answersPerQuestion * q + a], WizardBox::Answer, answersPerQuestion * q + a))
                return problem;
    }
    return std::nullopt;
}

QString textNotStorableMessage(const TextNotStorable &problem)
{
    switch (problem.reason) {
    case TextNotStorable::Reason::OutsideCodePage:
        return boxName(problem) + QStringLiteral(" holds characters that a worksheet cannot keep: ") + problem.characters
            + QStringLiteral(". Please type something else in their place.");
    case TextNotStorable::Reason::LineBreak:
        return boxName(problem) + QStringLiteral(" holds a line break, which a worksheet cannot keep. Please retype it.");
    case TextNotStorable::Reason::LeadingQuote:
        return boxName(problem)
            + QStringLiteral(" begins with a double quote (\"), which a worksheet cannot keep there. "
                             "Please put a word before it or leave it out.");
    }
    return {};
}
