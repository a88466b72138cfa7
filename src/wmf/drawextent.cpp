#include "wmf/drawextent.h"
#include "wmf/blitlayout.h"
#include "wmf/records.h"

#include <algorithm>

namespace wmf {
namespace {

struct Bounds {
    double left = 0, top = 0, right = 0, bottom = 0;
    bool any = false;
    void add(double x, double y)
    {
        if (!any) {
            left = right = x;
            top = bottom = y;
            any = true;
            return;
        }
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    std::optional<QRectF> rect() const
    {
        if (!any)
            return std::nullopt;
        return QRectF(QPointF(left, top), QPointF(right, bottom));
    }
};

// Points stored x, y.
void addPoints(Bounds &b, ByteReader &in, int count)
{
    for (int i = 0; i < count && in.has(4); ++i) {
        const double x = in.i16();
        const double y = in.i16();
        b.add(x, y);
    }
}

// Rectangles stored bottom, right, top, left after skip bytes.
std::optional<QRectF> reversedBox(ByteReader &in, size_t skipBytes)
{
    in.skip(skipBytes);
    const double bottom = in.i16();
    const double right = in.i16();
    const double top = in.i16();
    const double left = in.i16();
    if (!in.ok())
        return std::nullopt;
    Bounds b;
    b.add(left, top);
    b.add(right, bottom);
    return b.rect();
}

// Destination rectangles of blits.
std::optional<QRectF> blitDest(uint16_t f, ByteReader &in)
{
    const BlitLayout *layout = blitLayout(f);
    if (!layout)
        return std::nullopt;
    in.skip(bytesBeforeDest(*layout, omitsBitmap(*layout, in.size())));
    const QRectF dest = readDest(in);
    if (!in.ok())
        return std::nullopt;
    return dest.normalized();
}

// MOVETO moves the current position; LINETO draws from it and moves it.
std::optional<QRectF> lineExtent(uint16_t f, ByteReader &in, QPointF &position)
{
    const double y = in.i16();
    const double x = in.i16();
    if (!in.ok())
        return std::nullopt;
    Bounds b;
    b.add(position.x(), position.y());
    b.add(x, y);
    position = {x, y};
    return f == META_LINETO ? b.rect() : std::nullopt;
}

std::optional<QRectF> pointsExtent(uint16_t f, ByteReader &in)
{
    Bounds b;
    if (f == META_POLYPOLYGON) {
        const int polygons = in.u16();
        long total = 0;
        for (int i = 0; i < polygons && in.has(2); ++i)
            total += in.u16();
        addPoints(b, in, int(std::min<long>(total, long(in.remaining() / 4))));
    } else {
        const int count = in.i16();
        addPoints(b, in, count);
    }
    return b.rect();
}

// Text counts by its reference point only, as does a pixel.
std::optional<QRectF> referencePoint(uint16_t f, ByteReader &in)
{
    if (f == META_SETPIXEL)
        in.skip(4);
    else if (f == META_TEXTOUT)
        in.skip(size_t((in.u16() + 1) & ~1));
    const double y = in.i16();
    const double x = in.i16();
    if (!in.ok())
        return std::nullopt;
    return QRectF(x, y, 0, 0);
}

} // namespace

bool isDrawingRecord(uint16_t f)
{
    switch (f) {
    case META_LINETO: case META_POLYLINE: case META_POLYGON: case META_POLYPOLYGON:
    case META_RECTANGLE: case META_ROUNDRECT: case META_ELLIPSE: case META_ARC:
    case META_PIE: case META_CHORD: case META_TEXTOUT: case META_EXTTEXTOUT:
    case META_SETPIXEL: case META_PATBLT: case META_BITBLT: case META_STRETCHBLT:
    case META_DIBBITBLT: case META_DIBSTRETCHBLT: case META_STRETCHDIB: case META_SETDIBTODEV:
    case META_FILLREGION: case META_FRAMEREGION: case META_PAINTREGION: case META_INVERTREGION:
    case META_FLOODFILL: case META_EXTFLOODFILL:
        return true;
    default:
        return false;
    }
}

std::optional<QRectF> drawingExtent(uint16_t f, ByteReader in, QPointF &position)
{
    switch (f) {
    case META_MOVETO:
    case META_LINETO:
        return lineExtent(f, in, position);
    case META_POLYLINE:
    case META_POLYGON:
    case META_POLYPOLYGON:
        return pointsExtent(f, in);
    case META_SETPIXEL:
    case META_TEXTOUT:
    case META_EXTTEXTOUT:
        return referencePoint(f, in);
    case META_RECTANGLE:
    case META_ELLIPSE:
        return reversedBox(in, 0);
    case META_ROUNDRECT:
        return reversedBox(in, 4);
    case META_ARC:
    case META_PIE:
    case META_CHORD:
        return reversedBox(in, 8);
    default:
        return blitDest(f, in);
    }
}

} // namespace wmf
