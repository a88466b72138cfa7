#pragma once
// The painter as the records draw on it: the target rectangle, how the
// picture's device units map onto it, the size of one picture pixel there,
// and the clip region applied on a save level of its own above the caller's.
#include "wmf/devicecontext.h"
#include "wmf/parsedmetafile.h"

#include <QPainter>

namespace wmf {

class Surface {
public:
    Surface(QPainter &painter, const QRectF &target, const Frame &frame);

    // False when the picture has no area or the painter cannot draw.
    bool usable() const;
    // Opens and closes the two save levels a playback works on.
    void begin();
    void end();

    // Applies the context's clip, if it changed, on top of the caller's clip and the target.
    void applyClip(const Clip &clip);
    void clipChanged() { clipDirty_ = true; }
    // Target coordinates to whole clip units, cut to well around the target.
    QRect toClipUnits(const QRectF &targetRect) const;
    QRectF fromClipUnits(const QRect &units) const;

    // A composition mode, smoothing edges only for plain drawing: raster
    // operations mix colours bit by bit, and smoothed edges would smear them.
    void setComposition(QPainter::CompositionMode mode);

    QPainter &painter;
    const QRectF target;
    AxisAffine deviceToTarget;
    double hairline = 1.0;  // one pixel of the picture at its own size, in target units
    double clipScale = 1.0; // clip units per target unit
    bool rasterOps = false; // Qt's raster operations give final pixels here

private:
    bool hasArea_ = false;
    bool clipDirty_ = true;
};

} // namespace wmf
