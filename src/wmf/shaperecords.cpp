// Lines and filled shapes, drawn with the device context's pen and brush.
#include "wmf/paint.h"
#include "wmf/recordhandlers.h"

#include <QPainterPath>
#include <QtMath>
#include <cmath>

namespace wmf {
namespace {

enum ArcKind { ArcOnly, PieSlice, ChordShape };

// Prepares the painter for one drawing: clip and raster operation. False when
// nothing can show.
bool beginDraw(Playback &p)
{
    if (p.dc.rop2 == R2_NOP || !p.prepareClip())
        return false;
    p.surface.setComposition(compositionForRop2(p.dc.rop2, p.surface.rasterOps));
    return true;
}

void drawPath(QPainter &painter, const QPainterPath &path, const QPen &pen, const QBrush &brush)
{
    painter.setPen(pen);
    painter.setBrush(brush);
    painter.drawPath(path);
}

void strokeAndFill(Playback &p, const QPainterPath &path, bool fill)
{
    if (!beginDraw(p))
        return;
    const std::optional<QPen> pen = currentPen(p);
    const std::optional<QBrush> brush = fill ? currentBrush(p) : std::nullopt;
    if (!pen && !brush)
        return;
    QPainter &painter = p.surface.painter;
    if (pen && isDashed(p.dc.pen.lineStyle()) && p.dc.backgroundMode == OPAQUE && pen->style() == Qt::CustomDashLine) {
        // An opaque background fills the gaps between dashes.
        QPen gaps(*pen);
        gaps.setStyle(Qt::SolidLine);
        gaps.setColor(QColor(p.color(p.dc.backgroundColor)));
        drawPath(painter, path, gaps, Qt::NoBrush);
    }
    // GDI puts a line of odd pixel width on the centres of the pixels at its
    // coordinates; stroking half a pixel over keeps such lines crisp.
    const double hairline = p.surface.hairline;
    const double pixels = pen ? pen->widthF() / hairline : 0;
    const bool shift = pen && pixels < 8 && (std::lround(pixels) & 1);
    if (!shift) {
        drawPath(painter, path, pen ? *pen : QPen(Qt::NoPen), brush ? *brush : QBrush(Qt::NoBrush));
        return;
    }
    if (brush)
        drawPath(painter, path, Qt::NoPen, *brush);
    drawPath(painter, path.translated(hairline / 2, hairline / 2), *pen, Qt::NoBrush);
}

// An inside-frame pen keeps its whole width inside the box.
QRectF insideFrame(const Playback &p, const QRectF &box)
{
    if (p.dc.pen.lineStyle() != PS_INSIDEFRAME)
        return box;
    const double half = penWidth(p) / 2;
    if (box.width() <= 2 * half || box.height() <= 2 * half)
        return box;
    return box.adjusted(half, half, -half, -half);
}

Qt::FillRule fillRule(const Playback &p) { return p.dc.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill; }

void lineTo(Playback &p, const Record &, ByteReader in)
{
    const double y = in.i16();
    const double x = in.i16();
    if (!in.ok())
        return;
    const QPointF from = p.toTarget.map(p.dc.position);
    p.dc.position = {x, y};
    QPainterPath path(from);
    path.lineTo(p.toTarget.map(x, y));
    strokeAndFill(p, path, false);
}

// POLYLINE and POLYGON: a polygon is closed and filled.
template <bool closed>
void poly(Playback &p, const Record &, ByteReader in)
{
    const int count = in.i16();
    const QPolygonF points = p.readPoints(in, count);
    if (points.size() < 2)
        return;
    QPainterPath path;
    if (closed)
        path.setFillRule(fillRule(p));
    path.addPolygon(points);
    if (closed)
        path.closeSubpath();
    strokeAndFill(p, path, closed);
}

void polyPolygon(Playback &p, const Record &, ByteReader in)
{
    const int polygons = in.u16();
    if (size_t(polygons) * 2 > in.remaining())
        return;
    std::vector<int> counts(static_cast<size_t>(polygons));
    size_t total = 0;
    for (int &c : counts) {
        c = in.u16();
        total += size_t(c);
    }
    if (total > in.remaining() / 4)
        return;
    QPainterPath path;
    path.setFillRule(fillRule(p));
    for (int c : counts) {
        const QPolygonF points = p.readPoints(in, c);
        if (points.size() < 2)
            continue;
        path.addPolygon(points);
        path.closeSubpath();
    }
    strokeAndFill(p, path, true);
}

// RECTANGLE and ELLIPSE.
template <bool ellipse>
void boxShape(Playback &p, const Record &, ByteReader in)
{
    const QRectF box = insideFrame(p, p.readBox(in));
    if (!in.ok())
        return;
    QPainterPath path;
    if (ellipse)
        path.addEllipse(box);
    else
        path.addRect(box);
    strokeAndFill(p, path, true);
}

void roundRect(Playback &p, const Record &, ByteReader in)
{
    const double h = in.i16();
    const double w = in.i16();
    const QRectF box = insideFrame(p, p.readBox(in));
    if (!in.ok())
        return;
    const double rx = std::min(std::abs(w * p.toTarget.x.scale) / 2, box.width() / 2);
    const double ry = std::min(std::abs(h * p.toTarget.y.scale) / 2, box.height() / 2);
    QPainterPath path;
    path.addRoundedRect(box, rx, ry);
    strokeAndFill(p, path, true);
}

// The parametric angle, in degrees, at which the radial line from the
// centre through point meets the ellipse in box.
double radialAngle(const QRectF &box, QPointF point)
{
    const QPointF c = box.center();
    return qRadiansToDegrees(std::atan2(-(point.y() - c.y()) / (box.height() / 2), (point.x() - c.x()) / (box.width() / 2)));
}

// ARC, PIE and CHORD: GDI draws counter-clockwise from the start radial to the end one.
template <ArcKind kind>
void arcShape(Playback &p, const Record &, ByteReader in)
{
    const double yEnd = in.i16();
    const double xEnd = in.i16();
    const double yStart = in.i16();
    const double xStart = in.i16();
    const QRectF box = insideFrame(p, p.readBox(in));
    if (!in.ok() || box.isEmpty())
        return;
    const double a1 = radialAngle(box, p.toTarget.map(xStart, yStart));
    double sweep = radialAngle(box, p.toTarget.map(xEnd, yEnd)) - a1;
    while (sweep <= 0)
        sweep += 360;
    if (!std::isfinite(sweep))
        return;
    QPainterPath path;
    if (kind == PieSlice)
        path.moveTo(box.center());
    else
        path.arcMoveTo(box, a1);
    path.arcTo(box, a1, sweep);
    if (kind != ArcOnly)
        path.closeSubpath();
    strokeAndFill(p, path, kind != ArcOnly);
}

void setPixel(Playback &p, const Record &, ByteReader in)
{
    const uint32_t c = in.u32();
    const double y = in.i16();
    const double x = in.i16();
    if (!in.ok() || !p.prepareClip())
        return;
    p.surface.painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const double side = p.surface.hairline;
    p.surface.painter.fillRect(QRectF(p.toTarget.map(x, y), QSizeF(side, side)), QColor(p.color(c)));
}

// Flood fills need the device's pixels; a painter cannot read them back.
void floodFill(Playback &, const Record &, ByteReader) {}

constexpr RecordHandler handlers[] = {
    {META_LINETO, lineTo, true},
    {META_POLYLINE, poly<false>, true},
    {META_POLYGON, poly<true>, true},
    {META_POLYPOLYGON, polyPolygon, true},
    {META_RECTANGLE, boxShape<false>, true},
    {META_ROUNDRECT, roundRect, true},
    {META_ELLIPSE, boxShape<true>, true},
    {META_ARC, arcShape<ArcOnly>, true},
    {META_PIE, arcShape<PieSlice>, true},
    {META_CHORD, arcShape<ChordShape>, true},
    {META_SETPIXEL, setPixel, true},
    {META_FLOODFILL, floodFill, true},
    {META_EXTFLOODFILL, floodFill, true},
};

} // namespace

std::span<const RecordHandler> shapeRecords() { return handlers; }

} // namespace wmf
