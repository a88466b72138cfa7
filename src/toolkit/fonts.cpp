#include "toolkit/fonts.h"
#include "toolkit/twips.h"
#include "wmf/wmf.h"

#include <QFontDatabase>
#include <QHash>

namespace {
// Whether the family has no bold face of its own, so that bold is drawn by
// thickening its regular letters (the Tahoma stand-in is such a family).
bool familyHasNoBold(const QString &family)
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
    if (boldIsDrawn(font))
        font.setLetterSpacing(QFont::AbsoluteSpacing, font.pixelSize() / 24.0);
}
} // namespace

bool boldIsDrawn(const QFont &font) { return font.bold() && familyHasNoBold(font.family()); }

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
    // In the Symbol face each Latin letter's code draws a Greek letter; other characters stay as they are.
    QString out = latin;
    for (QChar &c : out) {
        const char16_t u = c.unicode();
        if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z'))
            c = QChar(wmf::symbolToUnicode(static_cast<uint8_t>(u)));
    }
    return out;
}
