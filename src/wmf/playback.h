#pragma once
// What the record handlers share while one metafile plays: the surface, the
// device context with its saved copies, the object table, and the map from
// the context's logical units to the target.
#include "wmf/devicecontext.h"
#include "wmf/fontmatch.h"
#include "wmf/parsedmetafile.h"
#include "wmf/surface.h"

#include <QImage>
#include <QPolygonF>
#include <optional>
#include <vector>

namespace wmf {

// An icon's AND mask waits for the colour image that follows it, so the two
// can be drawn as one picture with transparency.
struct PendingMask {
    QImage mask;
    QRectF dest;
};

struct Playback {
    Playback(const ParsedMetafile &metafile, QPainter &painter, const QRectF &target);

    // Follows a change of the context's mapping.
    void updateMapping();
    QRgb color(uint32_t colorRef) const;
    // Clips what comes next to the context's clip; false when nothing can show.
    bool prepareClip();
    void setClip(const Clip &clip);
    // A region object as a clip region in the surface's clip units.
    QRegion clipRegionOf(const Region &region) const;
    // Points stored x, y and boxes stored bottom, right, top, left, in target coordinates.
    QPolygonF readPoints(ByteReader &in, int count) const;
    QRectF readBox(ByteReader &in) const;

    const ParsedMetafile &metafile;
    Surface surface;
    DeviceContext dc;
    std::vector<DeviceContext> saved;
    ObjectTable objects;
    AxisAffine toTarget; // logical units to target coordinates, from dc.mapping
    FaceCache faces;
    std::optional<PendingMask> pendingMask;
};

} // namespace wmf
