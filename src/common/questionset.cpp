#include "common/questionset.h"

#include "common/module1.h"

std::optional<int> rightAnswerChoice(const QString &entry)
{
    QStringView digits(entry);
    while (!digits.isEmpty() && digits.front() == QLatin1Char(' '))
        digits = digits.mid(1);
    while (!digits.isEmpty() && digits.back() == QLatin1Char(' '))
        digits.chop(1);
    while (digits.size() > 1 && digits.front() == QLatin1Char('0'))
        digits = digits.mid(1);
    if (digits.size() != 1 || digits[0] < QLatin1Char('1') || digits[0] > QLatin1Char(char('0' + answersPerQuestion)))
        return std::nullopt;
    return digits[0].unicode() - u'0';
}

std::optional<int> firstQuestionWithoutRightAnswer()
{
    for (int k = 1; k <= questionsPerSet; ++k)
        if (!rightAnswerChoice(Module1.correctAnswer[k]))
            return k;
    return std::nullopt;
}
