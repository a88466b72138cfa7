#include "toolkit/fonts.h"
#include "toolkit/twips.h"
#include "wmf/wmf.h"

#include <QFontDatabase>
#include <QFontMetricsF>
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

// How much wider the font engine itself draws each letter of a thickened
// bold than of the regular face, in pixels: none with FreeType on Linux,
// a little with Windows' own emboldening.
double engineWidening(const QFont &bold)
{
    static QHash<QPair<QString, int>, double> widening;
    const QPair<QString, int> key(bold.family(), bold.pixelSize());
    auto it = widening.find(key);
    if (it == widening.end()) {
        static const QString sample = QStringLiteral("Multiple Choice Wizard");
        QFont regular = bold;
        regular.setBold(false);
        const double extra = QFontMetricsF(bold).horizontalAdvance(sample) - QFontMetricsF(regular).horizontalAdvance(sample);
        it = widening.insert(key, std::max(0.0, extra / sample.size()));
    }
    return *it;
}

void spaceDrawnBold(QFont &font)
{
    // Thickening widens every letter by a 24th of the em (FreeType's
    // emboldening); as much room after each letter, less what the engine
    // already gives, keeps the gaps between letters those of the regular face.
    if (boldIsDrawn(font)) {
        const double room = font.pixelSize() / 24.0 - engineWidening(font);
        if (room > 0)
            font.setLetterSpacing(QFont::AbsoluteSpacing, room);
    }
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
    // Letters keep the font's own widths, hinted up and down only, on every
    // platform: Windows' default full hinting widens small Tahoma by a tenth,
    // for which captions laid out in the font's own widths have no room.
    font.setHintingPreference(QFont::PreferVerticalHinting);
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
