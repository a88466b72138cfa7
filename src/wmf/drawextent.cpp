#include "wmf/drawextent.h"
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

// Rectangles stored bottom, right, top, left after skip words.
std::optional<QRectF> reversedBox(ByteReader &in, int skipWords)
{
    in.skip(size_t(skipWords) * 2);
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

// Destination rectangles of blits stored height, width, y, x after skip words.
std::optional<QRectF> blitDest(ByteReader &in, int skipWords)
{
    in.skip(size_t(skipWords) * 2);
    const double h = in.i16();
    const double w = in.i16();
    const double y = in.i16();
    const double x = in.i16();
    if (!in.ok())
        return std::nullopt;
    Bounds b;
    b.add(x, y);
    b.add(x + w, y + h);
    return b.rect();
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
    case META_MOVETO: {
        const double y = in.i16();
        const double x = in.i16();
        if (in.ok())
            position = {x, y};
        return std::nullopt;
    }
    case META_LINETO: {
        const double y = in.i16();
        const double x = in.i16();
        if (!in.ok())
            return std::nullopt;
        Bounds b;
        b.add(position.x(), position.y());
        b.add(x, y);
        position = {x, y};
        return b.rect();
    }
    case META_POLYLINE:
    case META_POLYGON: {
        Bounds b;
        const int count = in.i16();
        addPoints(b, in, count);
        return b.rect();
    }
    case META_POLYPOLYGON: {
        const int polygons = in.u16();
        long total = 0;
        for (int i = 0; i < polygons && in.has(2); ++i)
            total += in.u16();
        Bounds b;
        addPoints(b, in, int(std::min<long>(total, long(in.remaining() / 4))));
        return b.rect();
    }
    case META_RECTANGLE:
    case META_ELLIPSE:
        return reversedBox(in, 0);
    case META_ROUNDRECT:
        return reversedBox(in, 2);
    case META_ARC:
    case META_PIE:
    case META_CHORD:
        return reversedBox(in, 4);
    case META_SETPIXEL: {
        in.skip(4);
        const double y = in.i16();
        const double x = in.i16();
        if (!in.ok())
            return std::nullopt;
        return QRectF(x, y, 0, 0);
    }
    case META_TEXTOUT: {
        const int length = in.u16();
        in.skip(size_t((length + 1) & ~1));
        const double y = in.i16();
        const double x = in.i16();
        if (!in.ok())
            return std::nullopt;
        return QRectF(x, y, 0, 0);
    }
    case META_EXTTEXTOUT: {
        const double y = in.i16();
        const double x = in.i16();
        if (!in.ok())
            return std::nullopt;
        return QRectF(x, y, 0, 0);
    }
    case META_PATBLT:
        return blitDest(in, 2);
    case META_BITBLT:
    case META_DIBBITBLT: {
        // Without a bitmap the record carries one reserved word more.
        const bool noBitmap = in.size() == size_t(((f >> 8) + 3) * 2 - 6);
        return blitDest(in, noBitmap ? 5 : 4);
    }
    case META_STRETCHBLT:
    case META_DIBSTRETCHBLT: {
        const bool noBitmap = in.size() == size_t(((f >> 8) + 3) * 2 - 6);
        return blitDest(in, noBitmap ? 7 : 6);
    }
    case META_STRETCHDIB:
        return blitDest(in, 7);
    case META_SETDIBTODEV:
        return blitDest(in, 5);
    default:
        return std::nullopt;
    }
}

} // namespace wmf
