#include "worksheets/questionfield.h"

QString encodeQuestionField(const QString &text)
{
    QString encoded = text;
    encoded.replace(QLatin1Char(','), QLatin1Char('&'));
    return encoded;
}

QString decodeQuestionField(const QString &field)
{
    QString decoded = field;
    decoded.replace(QLatin1Char('&'), QLatin1Char(','));
    return decoded;
}
