// Code pages through Qt's converters, which reach them through ICU.
#include "wmf/wmf.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace wmf {
namespace {
QByteArray converterName(int codePage)
{
    switch (codePage) {
    case 437: return "IBM437";
    case 932: return "windows-31j";
    case 10000: return "macintosh";
    default: return "windows-" + QByteArray::number(codePage);
    }
}
} // namespace

bool hasCodePage(int codePage) { return QStringDecoder(converterName(codePage).constData()).isValid(); }

QString decodeCodePage(int codePage, QByteArrayView bytes)
{
    QStringDecoder decoder(converterName(codePage).constData());
    if (!decoder.isValid())
        return QString(bytes.size(), QChar::ReplacementCharacter);
    return decoder.decode(bytes);
}

std::optional<QByteArray> encodeCodePage(int codePage, QStringView text)
{
    QStringEncoder encoder(converterName(codePage).constData());
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

} // namespace wmf
