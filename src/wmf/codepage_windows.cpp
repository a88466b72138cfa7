// Code pages through the Windows API (Qt for Windows has no ICU).
#include "wmf/wmf.h"

#include <windows.h>

namespace wmf {
namespace {
// The characters of bytes, or an empty result when they are not text in the code page.
QString strictly(int codePage, const char *bytes, int length)
{
    const int units = MultiByteToWideChar(UINT(codePage), MB_ERR_INVALID_CHARS, bytes, length, nullptr, 0);
    QString text(units, Qt::Uninitialized);
    if (units > 0)
        MultiByteToWideChar(UINT(codePage), MB_ERR_INVALID_CHARS, bytes, length, reinterpret_cast<wchar_t *>(text.data()), units);
    return units > 0 ? text : QString();
}
} // namespace

bool hasCodePage(int codePage) { return IsValidCodePage(UINT(codePage)); }

QString decodeCodePage(int codePage, QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return {};
    if (!hasCodePage(codePage))
        return QString(bytes.size(), QChar::ReplacementCharacter);
    QString whole = strictly(codePage, bytes.data(), int(bytes.size()));
    if (!whole.isEmpty())
        return whole;
    // Character by character, a lead byte with the byte after it.
    QString text;
    for (qsizetype i = 0; i < bytes.size();) {
        const int n = IsDBCSLeadByteEx(UINT(codePage), BYTE(bytes[i])) && i + 1 < bytes.size() ? 2 : 1;
        const QString piece = strictly(codePage, bytes.data() + i, n);
        text += piece.isEmpty() ? QString(QChar::ReplacementCharacter) : piece;
        i += n;
    }
    return text;
}

std::optional<QByteArray> encodeCodePage(int codePage, QStringView text)
{
    if (!hasCodePage(codePage))
        return std::nullopt;
    if (text.isEmpty())
        return QByteArray();
    const auto *units = reinterpret_cast<const wchar_t *>(text.utf16());
    BOOL substituted = FALSE;
    const int length = WideCharToMultiByte(UINT(codePage), WC_NO_BEST_FIT_CHARS, units, int(text.size()), nullptr, 0,
                                           nullptr, &substituted);
    QByteArray bytes(length, Qt::Uninitialized);
    if (length > 0)
        WideCharToMultiByte(UINT(codePage), WC_NO_BEST_FIT_CHARS, units, int(text.size()), bytes.data(), length,
                            nullptr, &substituted);
    if (length <= 0 || substituted)
        return std::nullopt;
    return bytes;
}

} // namespace wmf
