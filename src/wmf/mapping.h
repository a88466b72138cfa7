#pragma once
// Logical coordinates to device coordinates as GDI maps them: window and
// viewport origin and extent under one of the map modes. Negative extents
// flip an axis; the metric modes have y growing upwards.
#include <QPointF>
#include <QRectF>

namespace wmf {

enum MapMode {
    MM_TEXT = 1,
    MM_LOMETRIC = 2,
    MM_HIMETRIC = 3,
    MM_LOENGLISH = 4,
    MM_HIENGLISH = 5,
    MM_TWIPS = 6,
    MM_ISOTROPIC = 7,
    MM_ANISOTROPIC = 8,
};

// x' = x * scale + offset on one axis.
struct AxisMap {
    double scale = 1.0;
    double offset = 0.0;
    double map(double v) const { return v * scale + offset; }
};

// An axis-aligned affine map (scale and offset per axis, no rotation): every
// coordinate mapping in a metafile is of this shape.
struct AxisAffine {
    AxisMap x, y;

    QPointF map(const QPointF &p) const { return {x.map(p.x()), y.map(p.y())}; }
    QPointF map(double px, double py) const { return {x.map(px), y.map(py)}; }
    // The image of a rectangle, normalised (a flipping map mirrors it).
    QRectF mapRect(const QRectF &r) const { return QRectF(map(r.topLeft()), map(r.bottomRight())).normalized(); }
    // Applies this map first, then outer.
    AxisAffine then(const AxisAffine &outer) const
    {
        return {{x.scale * outer.x.scale, x.offset * outer.x.scale + outer.x.offset},
                {y.scale * outer.y.scale, y.offset * outer.y.scale + outer.y.offset}};
    }
};

struct Mapping {
    int mode = MM_ANISOTROPIC;
    QPointF windowOrg{0, 0};
    QPointF windowExt{1, 1};
    QPointF viewportOrg{0, 0};
    QPointF viewportExt{1, 1};
};

// Size of one logical unit in twips under a metric map mode; 0 for the modes
// whose scale comes from the extents (or MM_TEXT, one unit per device unit).
double twipsPerLogicalUnit(int mode);

// The logical-to-device map. deviceUnitTwips is the size of one device unit in
// twips, needed by the metric modes.
AxisAffine logicalToDevice(const Mapping &mapping, double deviceUnitTwips);

// Extent setters as GDI applies them: a zero component is refused.
bool setExtent(QPointF &extent, double x, double y);
// ScaleWindowExt / ScaleViewportExt: extent * num / den; a zero denominator or
// a zero result is refused.
bool scaleExtent(QPointF &extent, double xNum, double xDen, double yNum, double yDen);

} // namespace wmf
