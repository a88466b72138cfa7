#include "wmf/textcodec.h"
#include "wmf/wmf.h"

#include <array>
#include <map>
#include <mutex>

namespace wmf {
namespace {

using ByteTable = std::array<char16_t, 256>;

// The Windows code page of a character set.
int codePageFor(int charset)
{
    switch (charset) {
    case SHIFTJIS_CHARSET: return 932;
    case HANGUL_CHARSET:
    case JOHAB_CHARSET: return 949;
    case GB2312_CHARSET: return 936;
    case CHINESEBIG5_CHARSET: return 950;
    case GREEK_CHARSET: return 1253;
    case TURKISH_CHARSET: return 1254;
    case VIETNAMESE_CHARSET: return 1258;
    case HEBREW_CHARSET: return 1255;
    case ARABIC_CHARSET: return 1256;
    case BALTIC_CHARSET: return 1257;
    case RUSSIAN_CHARSET: return 1251;
    case THAI_CHARSET: return 874;
    case EASTEUROPE_CHARSET: return 1250;
    case OEM_CHARSET: return 437;
    case MAC_CHARSET: return 10000;
    default: return 1252;
    }
}

bool isDoubleByte(int charset)
{
    return charset == SHIFTJIS_CHARSET || charset == HANGUL_CHARSET || charset == JOHAB_CHARSET ||
           charset == GB2312_CHARSET || charset == CHINESEBIG5_CHARSET;
}

bool isLeadByte(int charset, uint8_t b)
{
    if (charset == SHIFTJIS_CHARSET)
        return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    return b >= 0x81 && b <= 0xFE;
}

// One table per single-byte code page, built on first use from the system's
// converter (Latin-1 if the converter is missing; code page 0 is Latin-1).
const ByteTable &singleByteTable(int codePage)
{
    static std::mutex lock;
    static std::map<int, ByteTable> tables;
    std::lock_guard<std::mutex> guard(lock);
    auto it = tables.find(codePage);
    if (it != tables.end())
        return it->second;
    ByteTable table;
    for (int i = 0; i < 256; ++i)
        table[size_t(i)] = char16_t(i);
    if (codePage != 0 && hasCodePage(codePage)) {
        for (int i = 0; i < 256; ++i) {
            const char byte = char(i);
            const QString s = decodeCodePage(codePage, QByteArrayView(&byte, 1));
            table[size_t(i)] = s.size() == 1 ? char16_t(s.at(0).unicode()) : char16_t(0xFFFD);
        }
    }
    return tables.emplace(codePage, table).first->second;
}

DecodedText decodeDoubleByte(const uint8_t *bytes, size_t length, int charset)
{
    DecodedText out;
    const int codePage = codePageFor(charset);
    const bool known = hasCodePage(codePage);
    size_t i = 0;
    while (i < length) {
        const size_t n = (isLeadByte(charset, bytes[i]) && i + 1 < length) ? 2 : 1;
        QString piece;
        if (known)
            piece = decodeCodePage(codePage, QByteArrayView(reinterpret_cast<const char *>(bytes + i), qsizetype(n)));
        // A lone lead byte or a byte the code page lacks has no glyph.
        if (piece.isEmpty())
            piece = QString(QChar(QChar::ReplacementCharacter));
        for (qsizetype k = 0; k < piece.size(); ++k)
            out.bytesPerUnit.push_back(k == 0 ? uint8_t(n) : uint8_t(0));
        out.text += piece;
        i += n;
    }
    return out;
}

} // namespace

char16_t symbolToUnicode(uint8_t c)
{
    // Adobe Symbol encoding, 0x20 to 0xFE.
    static const char16_t low[0x7F - 0x20] = {
        u' ', u'!', u'∀', u'#', u'∃', u'%', u'&', u'∋', u'(', u')', u'∗', u'+', u',', u'−', u'.', u'/',
        u'0', u'1', u'2', u'3', u'4', u'5', u'6', u'7', u'8', u'9', u':', u';', u'<', u'=', u'>', u'?',
        u'≅', u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι', u'ϑ', u'Κ', u'Λ', u'Μ', u'Ν', u'Ο',
        u'Π', u'Θ', u'Ρ', u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ', u'[', u'∴', u']', u'⊥', u'_',
        u'‾', u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι', u'ϕ', u'κ', u'λ', u'μ', u'ν', u'ο',
        u'π', u'θ', u'ρ', u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ', u'{', u'|', u'}', u'∼'};
    static const char16_t high[0xFF - 0xA0] = {
        u'€', u'ϒ', u'′', u'≤', u'⁄', u'∞', u'ƒ', u'♣', u'♦', u'♥', u'♠', u'↔', u'←', u'↑', u'→', u'↓',
        u'°', u'±', u'″', u'≥', u'×', u'∝', u'∂', u'•', u'÷', u'≠', u'≡', u'≈', u'…', u'⏐', u'⎯', u'↵',
        u'ℵ', u'ℑ', u'ℜ', u'℘', u'⊗', u'⊕', u'∅', u'∩', u'∪', u'⊃', u'⊇', u'⊄', u'⊂', u'⊆', u'∈', u'∉',
        u'∠', u'∇', u'®', u'©', u'™', u'∏', u'√', u'⋅', u'¬', u'∧', u'∨', u'⇔', u'⇐', u'⇑', u'⇒', u'⇓',
        u'◊', u'⟨', u'®', u'©', u'™', u'∑', u'⎛', u'⎜', u'⎝', u'⎡', u'⎢', u'⎣', u'⎧', u'⎨', u'⎩', u'⎪',
        0,    u'⟩', u'∫', u'⌠', u'⎮', u'⌡', u'⎞', u'⎟', u'⎠', u'⎤', u'⎥', u'⎦', u'⎫', u'⎬', u'⎭'};
    if (c >= 0x20 && c < 0x7F)
        return low[c - 0x20];
    if (c >= 0xA0 && c < 0xFF)
        return high[c - 0xA0];
    return 0;
}

bool isSymbolFace(const QString &face)
{
    return face.startsWith(QLatin1String("Symbol"), Qt::CaseInsensitive);
}

DecodedText decodeText(const uint8_t *bytes, size_t length, int charset, bool symbolFont)
{
    if (!symbolFont && isDoubleByte(charset))
        return decodeDoubleByte(bytes, length, charset);
    DecodedText out;
    out.text.reserve(qsizetype(length));
    out.bytesPerUnit.assign(length, 1);
    if (symbolFont) {
        for (size_t i = 0; i < length; ++i) {
            const char16_t u = symbolToUnicode(bytes[i]);
            out.text += QChar(u ? u : char16_t(' '));
        }
        return out;
    }
    // Symbol-set fonts other than Symbol (Wingdings and friends) have no
    // installed equivalent; their codes are shown as Latin-1.
    const ByteTable &table = charset == SYMBOL_CHARSET ? singleByteTable(0) : singleByteTable(codePageFor(charset));
    for (size_t i = 0; i < length; ++i)
        out.text += QChar(table[bytes[i]]);
    return out;
}

QString decodeFaceName(const uint8_t *bytes, size_t length, int charset)
{
    size_t n = 0;
    while (n < length && bytes[n])
        ++n;
    return decodeText(bytes, n, charset, false).text;
}

} // namespace wmf
