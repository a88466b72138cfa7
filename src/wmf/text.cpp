// TEXTOUT and EXTTEXTOUT: text in the selected font, placed by the text
// alignment, spaced by the record's advance array, with opaque and clipping
// rectangles. Glyphs are drawn in a frame that is never flipped, so text stays
// upright under any window extents, as it does in GDI.
#include "wmf/fontmatch.h"
#include "wmf/player.h"
#include "wmf/textcodec.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <cmath>

namespace wmf {
namespace {

enum ExtTextOptions { ETO_OPAQUE = 0x0002, ETO_CLIPPED = 0x0004 };

// Beyond this size (in painter units) a glyph is bigger than any page.
constexpr double maxEm = 16384;
// The System font a file gets before it selects one, and for height 0: a
// 16-pixel cell.
constexpr double defaultCellPixels = 16;

} // namespace

const Player::FaceInfo &Player::faceInfo(const Font &font)
{
    const QString key = (font.symbol ? QStringLiteral("\x01") : QString()) + font.face;
    auto it = faces_.find(key);
    if (it != faces_.end())
        return *it;
    FaceInfo info;
    info.family = familyForFace(font.face, font.symbol);
    QFont probe(info.family);
    probe.setPixelSize(100);
    const QFontMetricsF metrics(probe);
    const double cell = metrics.ascent() + metrics.descent();
    info.emPerCell = cell > 0 ? 100.0 / cell : 1.0;
    return *faces_.insert(key, info);
}

void Player::textOut(ByteReader in)
{
    const int length = in.i16();
    if (!in.ok() || length < 0)
        return;
    const uint8_t *bytes = in.bytes(size_t(length));
    in.skip(size_t(length & 1));
    const double y = in.i16();
    const double x = in.i16();
    if (!in.ok())
        return;
    drawText({x, y}, bytes, size_t(length), {}, 0, std::nullopt);
}

void Player::extTextOut(ByteReader in)
{
    const double y = in.i16();
    const double x = in.i16();
    const int count = in.i16();
    const int options = in.u16();
    if (!in.ok() || count < 0)
        return;
    const size_t textBytes = size_t((count + 1) & ~1);
    const size_t rest = in.remaining();
    bool hasRect = options & (ETO_OPAQUE | ETO_CLIPPED);
    if (!hasRect) {
        // Some writers store the rectangle whatever the options say; the
        // record's length tells which layout it is.
        const bool fitsWithout = rest == textBytes || rest == textBytes + 2 * size_t(count);
        const bool fitsWith = rest == 8 + textBytes || rest == 8 + textBytes + 2 * size_t(count);
        hasRect = fitsWith && !fitsWithout;
    }
    std::optional<QRectF> rect;
    if (hasRect) {
        const double left = in.i16();
        const double top = in.i16();
        const double right = in.i16();
        const double bottom = in.i16();
        rect = QRectF(QPointF(left, top), QPointF(right, bottom));
    }
    const uint8_t *bytes = in.bytes(size_t(count));
    in.skip(size_t(count & 1));
    if (!in.ok())
        return;
    std::vector<int> dx;
    const size_t n = std::min(size_t(count), in.remaining() / 2);
    dx.reserve(n);
    for (size_t i = 0; i < n; ++i)
        dx.push_back(in.i16());
    drawText({x, y}, bytes, size_t(count), dx, options, rect);
}

void Player::drawText(QPointF ref, const uint8_t *bytes, size_t length, const std::vector<int> &dx, int options,
                      const std::optional<QRectF> &logicalRect)
{
    const Font &font = dc_.font;
    const bool updateCP = dc_.textAlign & TA_UPDATECP;
    if (updateCP)
        ref = dc_.position;
    const double sx = std::abs(toTarget_.x.scale);
    const double sy = std::abs(toTarget_.y.scale);

    // Opaque rectangle first: it is filled even when there is no text.
    const bool clipped = logicalRect && (options & ETO_CLIPPED);
    QRectF targetRect;
    if (logicalRect)
        targetRect = toTarget_.mapRect(*logicalRect);
    if (dc_.clip.isEmpty())
        return;
    applyClip();
    restoreComposition();
    if (logicalRect && (options & ETO_OPAQUE))
        painter_.fillRect(targetRect, QColor(color(dc_.backgroundColor)));
    if (length == 0 || !bytes)
        return;

    const DecodedText text = decodeText(bytes, length, font.charset, font.symbol);
    const FaceInfo &face = faceInfo(font);
    const double cell = font.height == 0 ? defaultCellPixels * hairline_ : std::abs(font.height) * sy;
    const double em = font.height < 0 ? cell : cell * face.emPerCell;
    if (!std::isfinite(em) || em < 0.05 || em > maxEm)
        return;

    QPaintDevice *device = painter_.device();
    const double dpi = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96.0;
    QFont qfont(face.family);
    qfont.setPointSizeF(em * 72.0 / dpi);
    qfont.setWeight(QFont::Weight(std::clamp(font.weight == 0 ? 400 : font.weight, 1, 1000)));
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    qfont.setStrikeOut(font.strikeOut);
    qfont.setKerning(false);
    const QFontMetricsF metrics(qfont, device);

    // Horizontal scale of the glyphs: the font's own width when it asks for
    // one, else the stretch between the picture and the target.
    double stretch = std::abs(deviceToTarget_.x.scale / deviceToTarget_.y.scale);
    if (font.width != 0) {
        const double natural = metrics.averageCharWidth();
        if (natural > 0)
            stretch = std::abs(font.width) * sx / natural;
    }
    if (!std::isfinite(stretch) || stretch <= 0)
        stretch = 1;
    stretch = std::clamp(stretch, 0.01, 100.0);

    // Advances along the baseline: from the record's array (in target
    // units) where it has them, else from the font.
    const qsizetype units = text.text.size();
    std::vector<double> advance(size_t(units), 0.0);
    std::vector<bool> fixed(size_t(units), false);
    size_t characters = 0;
    for (uint8_t b : text.bytesPerUnit)
        characters += b > 0 ? 1 : 0;
    const bool perCharacterDx = !dx.empty() && dx.size() == characters && characters != length;
    const bool spaced = !dx.empty() || dc_.charExtra != 0;
    double arrayTotal = 0, naturalTotal = 0;
    bool allFixed = true;
    size_t byteIndex = 0, charIndex = 0;
    for (qsizetype i = 0; i < units; ++i) {
        const int n = text.bytesPerUnit[size_t(i)];
        if (n == 0)
            continue; // second half of a surrogate pair: advanced with the first
        const bool pair = i + 1 < units && text.bytesPerUnit[size_t(i + 1)] == 0;
        const double natural = metrics.horizontalAdvance(text.text.mid(i, pair ? 2 : 1));
        naturalTotal += natural;
        if (perCharacterDx) {
            advance[size_t(i)] = dx[charIndex] * sx;
            fixed[size_t(i)] = true;
        } else if (byteIndex + size_t(n) <= dx.size()) {
            double a = 0;
            for (int k = 0; k < n; ++k)
                a += dx[byteIndex + size_t(k)];
            advance[size_t(i)] = a * sx;
            fixed[size_t(i)] = true;
        } else {
            advance[size_t(i)] = natural;
            allFixed = false;
        }
        if (fixed[size_t(i)])
            arrayTotal += advance[size_t(i)];
        byteIndex += size_t(n);
        ++charIndex;
    }
    // A font width that would make glyphs much wider than the advances the
    // writer laid them out with (some writers put the height there) gives way
    // to the advances.
    if (font.width != 0 && allFixed && !dx.empty() && naturalTotal > 0 && arrayTotal > 0)
        stretch = std::clamp(std::min(stretch, arrayTotal / naturalTotal), 0.01, 100.0);
    double total = 0;
    for (qsizetype i = 0; i < units; ++i) {
        if (text.bytesPerUnit[size_t(i)] == 0)
            continue;
        if (fixed[size_t(i)])
            advance[size_t(i)] /= stretch;
        else
            advance[size_t(i)] += dc_.charExtra * sx / stretch;
        total += advance[size_t(i)];
    }
    // Bytes that decode to nothing printable take a blank's room.
    QString shown = text.text;
    shown.replace(QChar(QChar::ReplacementCharacter), QLatin1Char(' '));
    if (!spaced)
        total = metrics.horizontalAdvance(shown);

    double x0 = 0;
    const int horizontal = dc_.textAlign & TA_HORIZONTAL_MASK;
    if (horizontal == TA_CENTER)
        x0 = -total / 2;
    else if (horizontal == TA_RIGHT)
        x0 = -total;
    const int vertical = dc_.textAlign & TA_VERTICAL_MASK;
    double baseline = metrics.ascent(); // top
    if (vertical == TA_BASELINE)
        baseline = 0;
    else if (vertical == TA_BOTTOM)
        baseline = -metrics.descent();

    if (updateCP) {
        const double logicalWidth = sx > 0 ? total * stretch / sx : 0;
        const double direction = toTarget_.x.scale < 0 ? -1 : 1;
        if (horizontal == TA_RIGHT)
            dc_.position.rx() -= direction * logicalWidth;
        else if (horizontal != TA_CENTER)
            dc_.position.rx() += direction * logicalWidth;
    }

    painter_.save();
    if (clipped)
        painter_.setClipRect(targetRect, Qt::IntersectClip);
    QTransform frame = painter_.worldTransform();
    frame.translate(toTarget_.x.map(ref.x()), toTarget_.y.map(ref.y()));
    if (font.escapement != 0)
        frame.rotate(-font.escapement / 10.0);
    frame.scale(stretch, 1);
    painter_.setWorldTransform(frame);
    if (dc_.backgroundMode == OPAQUE)
        painter_.fillRect(QRectF(x0, baseline - metrics.ascent(), total, metrics.ascent() + metrics.descent()),
                          QColor(color(dc_.backgroundColor)));
    painter_.setFont(qfont);
    painter_.setPen(QColor(color(dc_.textColor)));
    if (!spaced) {
        painter_.drawText(QPointF(x0, baseline), shown);
    } else {
        double x = x0;
        for (qsizetype i = 0; i < units; ++i) {
            if (text.bytesPerUnit[size_t(i)] == 0)
                continue;
            const bool pair = i + 1 < units && text.bytesPerUnit[size_t(i + 1)] == 0;
            const QChar c = text.text.at(i);
            if (!c.isSpace() && c != QChar(QChar::ReplacementCharacter))
                painter_.drawText(QPointF(x, baseline), text.text.mid(i, pair ? 2 : 1));
            x += advance[size_t(i)];
        }
    }
    painter_.restore();
}

} // namespace wmf
