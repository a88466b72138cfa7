#include "wmf/paint.h"
#include "wmf/rasterop.h"

#include <cmath>

namespace wmf {
namespace {

// GDI's dash patterns in pixels, given here in pen widths of one pixel.
QList<qreal> dashPattern(int lineStyle)
{
    switch (lineStyle) {
    case PS_DASH: return {18, 6};
    case PS_DOT: return {3, 3};
    case PS_DASHDOT: return {9, 6, 3, 6};
    default: return {9, 3, 3, 3, 3, 3};
    }
}

bool hatchCovers(int hatch, int x, int y)
{
    switch (hatch) {
    case 0: return y == 7;                  // horizontal
    case 1: return x == 0;                  // vertical
    case 2: return x == y;                  // \ diagonal
    case 3: return x + y == 7;              // / diagonal
    case 4: return y == 7 || x == 0;        // cross
    default: return x == y || x + y == 7;   // diagonal cross
    }
}

// An 8 by 8 hatch tile: lines in the brush colour on the background colour,
// or on nothing when the background is transparent.
QImage hatchTile(int hatch, QRgb ink, std::optional<QRgb> paper)
{
    QImage tile(8, 8, QImage::Format_ARGB32_Premultiplied);
    tile.fill(paper ? *paper : qRgba(0, 0, 0, 0));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (hatchCovers(hatch, x, y))
                tile.setPixel(x, y, ink);
    return tile;
}

void setCapAndJoin(QPen &pen, uint16_t style)
{
    switch (style & 0x0F00) {
    case 0x0100: pen.setCapStyle(Qt::SquareCap); break;
    case 0x0200: pen.setCapStyle(Qt::FlatCap); break;
    default: pen.setCapStyle(Qt::RoundCap); break;
    }
    switch (style & 0xF000) {
    case 0x1000: pen.setJoinStyle(Qt::BevelJoin); break;
    case 0x2000: pen.setJoinStyle(Qt::MiterJoin); break;
    default: pen.setJoinStyle(Qt::RoundJoin); break;
    }
}

} // namespace

bool isDashed(int lineStyle) { return lineStyle >= PS_DASH && lineStyle <= PS_DASHDOTDOT; }

QColor ropAdjusted(QRgb rgb, int rop2)
{
    switch (rop2) {
    case R2_BLACK: return Qt::black;
    case R2_WHITE: return Qt::white;
    case R2_NOTCOPYPEN: return QColor(255 - qRed(rgb), 255 - qGreen(rgb), 255 - qBlue(rgb));
    default: return QColor(rgb);
    }
}

QPainter::CompositionMode compositionForRop2(int rop2, bool rasterOps)
{
    if (!rasterOps)
        return QPainter::CompositionMode_SourceOver;
    switch (rop2) {
    case R2_NOTMERGEPEN: return QPainter::RasterOp_NotSourceAndNotDestination;
    case R2_MASKNOTPEN: return QPainter::RasterOp_NotSourceAndDestination;
    case R2_MASKPENNOT: return QPainter::RasterOp_SourceAndNotDestination;
    case R2_NOT: return QPainter::RasterOp_NotDestination;
    case R2_XORPEN: return QPainter::RasterOp_SourceXorDestination;
    case R2_NOTMASKPEN: return QPainter::RasterOp_NotSourceOrNotDestination;
    case R2_MASKPEN: return QPainter::RasterOp_SourceAndDestination;
    case R2_NOTXORPEN: return QPainter::RasterOp_NotSourceXorDestination;
    case R2_MERGENOTPEN: return QPainter::RasterOp_NotSourceOrDestination;
    case R2_MERGEPENNOT: return QPainter::RasterOp_SourceOrNotDestination;
    case R2_MERGEPEN: return QPainter::RasterOp_SourceOrDestination;
    default: return QPainter::CompositionMode_SourceOver;
    }
}

double penWidth(const Playback &p)
{
    const double w = std::abs(p.dc.pen.width * p.toTarget.x.scale);
    return std::isfinite(w) ? std::max(w, p.surface.hairline) : p.surface.hairline;
}

std::optional<QPen> currentPen(const Playback &p)
{
    const int style = p.dc.pen.lineStyle();
    if (style == PS_NULL || style > PS_INSIDEFRAME)
        return std::nullopt;
    QPen pen(ropAdjusted(p.color(p.dc.pen.color), p.dc.rop2));
    pen.setWidthF(penWidth(p));
    setCapAndJoin(pen, p.dc.pen.style);
    pen.setMiterLimit(10);
    // Dashes exist only for one-pixel pens; wider ones draw solid.
    if (isDashed(style) && std::abs(p.dc.pen.width) <= 1) {
        pen.setWidthF(p.surface.hairline);
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern(dashPattern(style));
    }
    return pen;
}

std::optional<QBrush> currentBrush(const Playback &p)
{
    if (p.dc.brush.style == BS_NULL)
        return std::nullopt;
    return brushFor(p, p.dc.brush);
}

QBrush brushFor(const Playback &p, const Brush &b)
{
    QTransform tileTransform;
    // Patterns are laid in device pixels from the picture's origin.
    tileTransform.translate(p.surface.deviceToTarget.x.offset, p.surface.deviceToTarget.y.offset);
    tileTransform.scale(p.surface.hairline, p.surface.hairline);
    if (b.style == BS_HATCHED) {
        const QColor ink = ropAdjusted(p.color(b.color), p.dc.rop2);
        std::optional<QRgb> paper;
        if (p.dc.backgroundMode == OPAQUE)
            paper = p.color(p.dc.backgroundColor);
        QBrush brush(hatchTile(b.hatch, ink.rgb(), paper));
        brush.setTransform(tileTransform);
        return brush;
    }
    if ((b.style == BS_PATTERN || b.style == BS_DIBPATTERN) && !b.pattern.isNull()) {
        // Device patterns of one bit take the text and background colours.
        const QImage tile = b.monoPattern ? inTwoColours(b.pattern, p.color(p.dc.textColor), p.color(p.dc.backgroundColor))
                                          : b.pattern;
        QBrush brush(tile);
        brush.setTransform(tileTransform);
        return brush;
    }
    return QBrush(ropAdjusted(p.color(b.color), p.dc.rop2));
}

} // namespace wmf
