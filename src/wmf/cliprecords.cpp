// Clip rectangles and clip regions, and the records that paint regions.
#include "wmf/paint.h"
#include "wmf/recordhandlers.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace wmf {
namespace {

const Region *regionAt(const Playback &p, unsigned index)
{
    const GdiObject *o = p.objects.get(index);
    const auto *region = o ? std::get_if<std::shared_ptr<const Region>>(o) : nullptr;
    return region ? region->get() : nullptr;
}

// INTERSECTCLIPRECT and EXCLUDECLIPRECT; no clip yet means the whole target.
void clipRect(Playback &p, const Record &r, ByteReader in)
{
    const QRectF box = p.readBox(in);
    if (!in.ok())
        return;
    const QRect units = p.surface.toClipUnits(box);
    Clip clip = p.dc.clip;
    if (!clip.active) {
        clip.active = true;
        clip.region = QRegion(p.surface.toClipUnits(p.surface.target));
    }
    if (r.function == META_INTERSECTCLIPRECT)
        clip.region = clip.region.intersected(units);
    else
        clip.region = clip.region.subtracted(units);
    p.setClip(clip);
}

void selectClipRegion(Playback &p, const Record &, ByteReader in)
{
    const unsigned index = in.u16();
    if (!in.ok())
        return;
    Clip clip;
    // Anything but a region (writers use 0 for "no region") removes the clip.
    if (const Region *region = regionAt(p, index)) {
        clip.active = true;
        clip.region = p.clipRegionOf(*region);
    }
    p.setClip(clip);
}

void offsetClipRegion(Playback &p, const Record &, ByteReader in)
{
    const double y = in.i16();
    const double x = in.i16();
    if (!in.ok() || !p.dc.clip.active)
        return;
    const double clipScale = p.surface.clipScale;
    const double dx = x * p.toTarget.x.scale * clipScale, dy = y * p.toTarget.y.scale * clipScale;
    if (!std::isfinite(dx) || !std::isfinite(dy))
        return;
    const double limit = 4 * (p.surface.target.width() + p.surface.target.height()) * clipScale + 1;
    Clip clip = p.dc.clip;
    clip.region.translate(int(std::lround(std::clamp(dx, -limit, limit))), int(std::lround(std::clamp(dy, -limit, limit))));
    p.setClip(clip);
}

QPainterPath regionPath(const Playback &p, const Region &region)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const QRectF &r : region.rects)
        path.addRect(p.toTarget.mapRect(r));
    return path;
}

// The frame is what is left of the region when it is shrunk by the frame's
// width and height from every side.
void frameRegion(Playback &p, const Region &region, const QBrush &fill, double width, double height)
{
    const double clipScale = p.surface.clipScale;
    const QRegion whole = p.clipRegionOf(region);
    const int w = std::max(1, int(std::lround(std::abs(width * p.toTarget.x.scale) * clipScale)));
    const int h = std::max(1, int(std::lround(std::abs(height * p.toTarget.y.scale) * clipScale)));
    const QRegion inner = whole.intersected(whole.translated(w, 0))
                              .intersected(whole.translated(-w, 0))
                              .intersected(whole.translated(0, h))
                              .intersected(whole.translated(0, -h));
    for (const QRect &rect : whole.subtracted(inner))
        p.surface.painter.fillRect(p.surface.fromClipUnits(rect), fill);
}

// FILLREGION and FRAMEREGION name a region and a brush, in an order that
// differs between writers (the objects' kinds decide); PAINTREGION and
// INVERTREGION name only the region and use the selected brush.
void paintRegion(Playback &p, const Record &r, ByteReader in)
{
    const unsigned first = in.u16();
    const unsigned second = in.u16();
    const double height = in.i16();
    const double width = in.i16();
    const bool ownBrush = r.function == META_FILLREGION || r.function == META_FRAMEREGION;
    const bool firstIsRegion = regionAt(p, first) != nullptr;
    const Region *region = regionAt(p, firstIsRegion || !ownBrush ? first : second);
    if (!region || p.dc.clip.isEmpty() || region->rects.empty())
        return;
    Brush brush = p.dc.brush;
    if (ownBrush) {
        const GdiObject *o = p.objects.get(firstIsRegion ? second : first);
        if (!o || !std::holds_alternative<Brush>(*o))
            return;
        brush = std::get<Brush>(*o);
    }
    if (brush.style == BS_NULL && r.function != META_INVERTREGION)
        return;
    p.surface.applyClip(p.dc.clip);
    p.surface.setComposition(QPainter::CompositionMode_SourceOver);
    QPainter &painter = p.surface.painter;
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (r.function == META_FRAMEREGION) {
        if (in.ok())
            frameRegion(p, *region, brushFor(p, brush), width, height);
    } else if (r.function != META_INVERTREGION) {
        painter.fillPath(regionPath(p, *region), brushFor(p, brush));
    } else if (p.surface.rasterOps) {
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.fillPath(regionPath(p, *region), Qt::black);
    }
    p.surface.setComposition(QPainter::CompositionMode_SourceOver);
}

constexpr RecordHandler handlers[] = {
    {META_INTERSECTCLIPRECT, clipRect, true},
    {META_EXCLUDECLIPRECT, clipRect, true},
    {META_SELECTCLIPREGION, selectClipRegion, true},
    {META_OFFSETCLIPRGN, offsetClipRegion, true},
    {META_FILLREGION, paintRegion, true},
    {META_FRAMEREGION, paintRegion, true},
    {META_PAINTREGION, paintRegion, true},
    {META_INVERTREGION, paintRegion, true},
};

} // namespace

std::span<const RecordHandler> clipRecords() { return handlers; }

} // namespace wmf
