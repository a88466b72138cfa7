#pragma once
// Text in a metafile is bytes in the selected font's character set: ANSI is
// Windows-1252, GREEK Windows-1253, SHIFTJIS code page 932 and so on. A Symbol
// font's bytes are Adobe Symbol codes, drawn here as the Unicode letters and
// signs they stand for (Latin letters become Greek).
#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace wmf {

enum Charset {
    ANSI_CHARSET = 0,
    DEFAULT_CHARSET = 1,
    SYMBOL_CHARSET = 2,
    MAC_CHARSET = 77,
    SHIFTJIS_CHARSET = 128,
    HANGUL_CHARSET = 129,
    JOHAB_CHARSET = 130,
    GB2312_CHARSET = 134,
    CHINESEBIG5_CHARSET = 136,
    GREEK_CHARSET = 161,
    TURKISH_CHARSET = 162,
    VIETNAMESE_CHARSET = 163,
    HEBREW_CHARSET = 177,
    ARABIC_CHARSET = 178,
    BALTIC_CHARSET = 186,
    RUSSIAN_CHARSET = 204,
    THAI_CHARSET = 222,
    EASTEUROPE_CHARSET = 238,
    OEM_CHARSET = 255,
};

// A decoded string and, for each UTF-16 unit, how many source bytes it took
// (0 for the second half of a surrogate pair), so that per-byte spacing
// arrays can be matched to characters.
struct DecodedText {
    QString text;
    std::vector<uint8_t> bytesPerUnit;
};

// Whether a font draws Adobe Symbol codes: the Symbol face itself (whatever
// character set it claims) and its look-alikes.
bool isSymbolFace(const QString &faceName);

DecodedText decodeText(const uint8_t *bytes, size_t length, int charset, bool symbolFont);

// A face name from CREATEFONTINDIRECT: up to the first NUL, in the font's
// character set (Japanese and Chinese face names are stored that way).
QString decodeFaceName(const uint8_t *bytes, size_t length, int charset);

} // namespace wmf
