// Lines and filled shapes, with the pen and brush of the device context.
#include "wmf/player.h"

#include <QtMath>
#include <cmath>

namespace wmf {
namespace {

enum ArcKind { ArcOnly, PieSlice, ChordShape };

bool isDashed(int lineStyle) { return lineStyle >= PS_DASH && lineStyle <= PS_DASHDOTDOT; }

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

// An 8 by 8 hatch tile: lines in the brush colour on the background colour,
// or on nothing when the background is transparent.
QImage hatchTile(int hatch, QRgb ink, std::optional<QRgb> paper)
{
    QImage tile(8, 8, QImage::Format_ARGB32_Premultiplied);
    tile.fill(paper ? *paper : qRgba(0, 0, 0, 0));
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            bool on = false;
            switch (hatch) {
            case 0: on = y == 7; break;                          // horizontal
            case 1: on = x == 0; break;                          // vertical
            case 2: on = x == y; break;                          // \ diagonal
            case 3: on = x + y == 7; break;                      // / diagonal
            case 4: on = y == 7 || x == 0; break;                // cross
            default: on = x == y || x + y == 7; break;           // diagonal cross
            }
            if (on)
                tile.setPixel(x, y, ink);
        }
    }
    return tile;
}

} // namespace

QColor ropAdjusted(QRgb rgb, int rop2)
{
    switch (rop2) {
    case R2_BLACK: return Qt::black;
    case R2_WHITE: return Qt::white;
    case R2_NOTCOPYPEN: return QColor(255 - qRed(rgb), 255 - qGreen(rgb), 255 - qBlue(rgb));
    default: return QColor(rgb);
    }
}

double Player::penWidth() const
{
    const double w = std::abs(dc_.pen.width * toTarget_.x.scale);
    return std::isfinite(w) ? std::max(w, hairline_) : hairline_;
}

std::optional<QPen> Player::currentPen() const
{
    const int style = dc_.pen.lineStyle();
    if (style == PS_NULL || style > PS_INSIDEFRAME)
        return std::nullopt;
    QPen pen(ropAdjusted(color(dc_.pen.color), dc_.rop2));
    pen.setWidthF(penWidth());
    switch (dc_.pen.style & 0x0F00) {
    case 0x0100: pen.setCapStyle(Qt::SquareCap); break;
    case 0x0200: pen.setCapStyle(Qt::FlatCap); break;
    default: pen.setCapStyle(Qt::RoundCap); break;
    }
    switch (dc_.pen.style & 0xF000) {
    case 0x1000: pen.setJoinStyle(Qt::BevelJoin); break;
    case 0x2000: pen.setJoinStyle(Qt::MiterJoin); break;
    default: pen.setJoinStyle(Qt::RoundJoin); break;
    }
    pen.setMiterLimit(10);
    // Dashes exist only for one-pixel pens; wider ones draw solid.
    if (isDashed(style) && std::abs(dc_.pen.width) <= 1) {
        pen.setWidthF(hairline_);
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern(dashPattern(style));
    }
    return pen;
}

QBrush Player::brushFor(const Brush &b) const
{
    QTransform tileTransform;
    // Patterns are laid in device pixels from the picture's origin.
    tileTransform.translate(deviceToTarget_.x.offset, deviceToTarget_.y.offset);
    tileTransform.scale(hairline_, hairline_);
    if (b.style == BS_HATCHED) {
        const QColor ink = ropAdjusted(color(b.color), dc_.rop2);
        std::optional<QRgb> paper;
        if (dc_.backgroundMode == OPAQUE)
            paper = color(dc_.backgroundColor);
        QBrush brush(hatchTile(b.hatch, ink.rgb(), paper));
        brush.setTransform(tileTransform);
        return brush;
    }
    if ((b.style == BS_PATTERN || b.style == BS_DIBPATTERN) && !b.pattern.isNull()) {
        QImage tile = b.pattern;
        if (b.monoPattern) {
            // Device patterns of one bit take the text and background colours.
            const QRgb ink = color(dc_.textColor), paper = color(dc_.backgroundColor);
            tile = tile.convertToFormat(QImage::Format_RGB32);
            for (int y = 0; y < tile.height(); ++y) {
                QRgb *row = reinterpret_cast<QRgb *>(tile.scanLine(y));
                for (int x = 0; x < tile.width(); ++x)
                    row[x] = qRed(row[x]) > 127 ? paper : ink;
            }
        }
        QBrush brush(tile);
        brush.setTransform(tileTransform);
        return brush;
    }
    return QBrush(ropAdjusted(color(b.color), dc_.rop2));
}

std::optional<QBrush> Player::currentBrush() const
{
    if (dc_.brush.style == BS_NULL)
        return std::nullopt;
    return brushFor(dc_.brush);
}

void Player::setCompositionForRop2()
{
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    if (rasterOps_) {
        switch (dc_.rop2) {
        case R2_NOTMERGEPEN: mode = QPainter::RasterOp_NotSourceAndNotDestination; break;
        case R2_MASKNOTPEN: mode = QPainter::RasterOp_NotSourceAndDestination; break;
        case R2_MASKPENNOT: mode = QPainter::RasterOp_SourceAndNotDestination; break;
        case R2_NOT: mode = QPainter::RasterOp_NotDestination; break;
        case R2_XORPEN: mode = QPainter::RasterOp_SourceXorDestination; break;
        case R2_NOTMASKPEN: mode = QPainter::RasterOp_NotSourceOrNotDestination; break;
        case R2_MASKPEN: mode = QPainter::RasterOp_SourceAndDestination; break;
        case R2_NOTXORPEN: mode = QPainter::RasterOp_NotSourceXorDestination; break;
        case R2_MERGENOTPEN: mode = QPainter::RasterOp_NotSourceOrDestination; break;
        case R2_MERGEPENNOT: mode = QPainter::RasterOp_SourceOrNotDestination; break;
        case R2_MERGEPEN: mode = QPainter::RasterOp_SourceOrDestination; break;
        default: break;
        }
    }
    painter_.setCompositionMode(mode);
    // Raster operations mix colours bit by bit; smoothed edges would smear them.
    painter_.setRenderHint(QPainter::Antialiasing, mode == QPainter::CompositionMode_SourceOver);
}

void Player::restoreComposition()
{
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.setRenderHint(QPainter::Antialiasing, true);
}

// Prepares the painter for one drawing: clip and raster operation. False when
// nothing can show.
bool Player::beginDraw()
{
    if (dc_.rop2 == R2_NOP || dc_.clip.isEmpty())
        return false;
    applyClip();
    setCompositionForRop2();
    return true;
}

void Player::strokeAndFill(const QPainterPath &path, bool fill)
{
    if (!beginDraw())
        return;
    const std::optional<QPen> pen = currentPen();
    const std::optional<QBrush> brush = fill ? currentBrush() : std::nullopt;
    if (!pen && !brush)
        return;
    if (pen && isDashed(dc_.pen.lineStyle()) && dc_.backgroundMode == OPAQUE && pen->style() == Qt::CustomDashLine) {
        // An opaque background fills the gaps between dashes.
        QPen gaps(*pen);
        gaps.setStyle(Qt::SolidLine);
        gaps.setColor(QColor(color(dc_.backgroundColor)));
        painter_.setPen(gaps);
        painter_.setBrush(Qt::NoBrush);
        painter_.drawPath(path);
    }
    // GDI puts a line of odd pixel width on the centres of the pixels at its
    // coordinates; stroking half a pixel over keeps such lines crisp.
    const double pixels = pen ? pen->widthF() / hairline_ : 0;
    const bool shift = pen && pixels < 8 && (std::lround(pixels) & 1);
    if (!shift) {
        painter_.setPen(pen ? *pen : QPen(Qt::NoPen));
        painter_.setBrush(brush ? *brush : QBrush(Qt::NoBrush));
        painter_.drawPath(path);
        return;
    }
    if (brush) {
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(*brush);
        painter_.drawPath(path);
    }
    painter_.setPen(*pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path.translated(hairline_ / 2, hairline_ / 2));
}

QPolygonF Player::readPoints(ByteReader &in, int count) const
{
    QPolygonF points;
    if (count <= 0 || size_t(count) > in.remaining() / 4)
        return points;
    points.reserve(count);
    for (int i = 0; i < count; ++i) {
        const double x = in.i16();
        const double y = in.i16();
        points.append(toTarget_.map(x, y));
    }
    return points;
}

QRectF Player::readBox(ByteReader &in) const
{
    const double bottom = in.i16();
    const double right = in.i16();
    const double top = in.i16();
    const double left = in.i16();
    return QRectF(toTarget_.map(left, top), toTarget_.map(right, bottom)).normalized();
}

QRectF Player::insideFrame(const QRectF &box) const
{
    if (dc_.pen.lineStyle() != PS_INSIDEFRAME)
        return box;
    const double half = penWidth() / 2;
    if (box.width() <= 2 * half || box.height() <= 2 * half)
        return box;
    return box.adjusted(half, half, -half, -half);
}

void Player::drawPolyline(const QPolygonF &points)
{
    if (points.size() < 2)
        return;
    QPainterPath path;
    path.addPolygon(points);
    strokeAndFill(path, false);
}

void Player::drawArcShape(ByteReader in, int kind)
{
    const double yEnd = in.i16();
    const double xEnd = in.i16();
    const double yStart = in.i16();
    const double xStart = in.i16();
    const QRectF box = insideFrame(readBox(in));
    if (!in.ok() || box.isEmpty())
        return;
    const QPointF start = toTarget_.map(xStart, yStart);
    const QPointF end = toTarget_.map(xEnd, yEnd);
    const QPointF c = box.center();
    const double rx = box.width() / 2, ry = box.height() / 2;
    // The radial lines through the two points meet the ellipse at these
    // parametric angles; GDI draws counter-clockwise from start to end.
    const double a1 = qRadiansToDegrees(std::atan2(-(start.y() - c.y()) / ry, (start.x() - c.x()) / rx));
    const double a2 = qRadiansToDegrees(std::atan2(-(end.y() - c.y()) / ry, (end.x() - c.x()) / rx));
    double sweep = a2 - a1;
    while (sweep <= 0)
        sweep += 360;
    if (!std::isfinite(sweep))
        return;
    QPainterPath path;
    if (kind == PieSlice) {
        path.moveTo(c);
        path.arcTo(box, a1, sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(box, a1);
        path.arcTo(box, a1, sweep);
        if (kind == ChordShape)
            path.closeSubpath();
    }
    strokeAndFill(path, kind != ArcOnly);
}

void Player::handleShapeRecord(const Record &r, ByteReader in)
{
    switch (r.function) {
    case META_LINETO: {
        const double y = in.i16();
        const double x = in.i16();
        if (!in.ok())
            return;
        const QPointF from = toTarget_.map(dc_.position);
        dc_.position = {x, y};
        QPainterPath path(from);
        path.lineTo(toTarget_.map(x, y));
        strokeAndFill(path, false);
        return;
    }
    case META_POLYLINE: {
        const int count = in.i16();
        drawPolyline(readPoints(in, count));
        return;
    }
    case META_POLYGON: {
        const int count = in.i16();
        const QPolygonF points = readPoints(in, count);
        if (points.size() < 2)
            return;
        QPainterPath path;
        path.setFillRule(dc_.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
        path.addPolygon(points);
        path.closeSubpath();
        strokeAndFill(path, true);
        return;
    }
    case META_POLYPOLYGON: {
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
        path.setFillRule(dc_.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
        for (int c : counts) {
            const QPolygonF points = readPoints(in, c);
            if (points.size() < 2)
                continue;
            path.addPolygon(points);
            path.closeSubpath();
        }
        strokeAndFill(path, true);
        return;
    }
    case META_RECTANGLE: {
        const QRectF box = insideFrame(readBox(in));
        if (!in.ok())
            return;
        QPainterPath path;
        path.addRect(box);
        strokeAndFill(path, true);
        return;
    }
    case META_ROUNDRECT: {
        const double h = in.i16();
        const double w = in.i16();
        const QRectF box = insideFrame(readBox(in));
        if (!in.ok())
            return;
        const double rx = std::min(std::abs(w * toTarget_.x.scale) / 2, box.width() / 2);
        const double ry = std::min(std::abs(h * toTarget_.y.scale) / 2, box.height() / 2);
        QPainterPath path;
        path.addRoundedRect(box, rx, ry);
        strokeAndFill(path, true);
        return;
    }
    case META_ELLIPSE: {
        const QRectF box = insideFrame(readBox(in));
        if (!in.ok())
            return;
        QPainterPath path;
        path.addEllipse(box);
        strokeAndFill(path, true);
        return;
    }
    case META_ARC:
        drawArcShape(in, ArcOnly);
        return;
    case META_PIE:
        drawArcShape(in, PieSlice);
        return;
    case META_CHORD:
        drawArcShape(in, ChordShape);
        return;
    case META_SETPIXEL: {
        const uint32_t c = in.u32();
        const double y = in.i16();
        const double x = in.i16();
        if (!in.ok() || dc_.clip.isEmpty())
            return;
        applyClip();
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
        const QPointF p = toTarget_.map(x, y);
        painter_.fillRect(QRectF(p, QSizeF(hairline_, hairline_)), QColor(color(c)));
        return;
    }
    default:
        // Flood fills need the device's pixels; a painter cannot read them back.
        return;
    }
}

} // namespace wmf
