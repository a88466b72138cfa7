#include "toolkit/fonts.h"
#include "toolkit/twips.h"
#include "wmf/wmf.h"

#include <QFontDatabase>
#include <QHash>

namespace {
// Whether the family has no bold face of its own, so that bold is drawn by
// thickening its regular letters (the Tahoma stand-in is such a family).
bool boldIsDrawn(const QString &family)
{
    static QHash<QString, bool> drawn;
    auto it = drawn.find(family);
    if (it == drawn.end()) {
        bool ownBold = false;
        for (const QString &style : QFontDatabase::styles(family))
            ownBold = ownBold || QFontDatabase::weight(family, style) >= QFont::Bold;
        it = drawn.insert(family, !ownBold);
    }
    return *it;
}

void spaceDrawnBold(QFont &font)
{
    // Thickening widens every letter by a 24th of the em (FreeType's
    // emboldening) without widening its advance; as much room after each
    // letter keeps the gaps between letters those of the regular face.
    if (font.bold() && boldIsDrawn(font.family()))
        font.setLetterSpacing(QFont::AbsoluteSpacing, font.pixelSize() / 24.0);
}
} // namespace

QString resolveFontFamily(const QString &windowsName)
{
    // The same choice the metafile pictures make for their text.
    return wmf::familyForFace(windowsName, windowsName.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0);
}

QFont makeFont(const FontDesign &design)
{
    QFont font(resolveFontFamily(design.name));
    twips::sizeFont(font, design.points);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    font.setUnderline(design.underline);
    font.setStyleStrategy(QFont::PreferAntialias);
    spaceDrawnBold(font);
    return font;
}

QString symbolToGreek(const QString &latin)
{
    // Adobe Symbol encoding: the Greek letter that shares each Latin letter's code.
    static const char16_t upper[26] = {u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι', u'ϑ', u'Κ', u'Λ', u'Μ',
                                       u'Ν', u'Ο', u'Π', u'Θ', u'Ρ', u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};
    static const char16_t lower[26] = {u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι', u'ϕ', u'κ', u'λ', u'μ',
                                       u'ν', u'ο', u'π', u'θ', u'ρ', u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};
    QString out;
    out.reserve(latin.size());
    for (QChar c : latin) {
        const char16_t u = c.unicode();
        if (u >= 'A' && u <= 'Z')
            out += QChar(upper[u - 'A']);
        else if (u >= 'a' && u <= 'z')
            out += QChar(lower[u - 'a']);
        else
            out += c;
    }
    return out;
}
