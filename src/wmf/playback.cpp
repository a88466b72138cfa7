#include "wmf/playback.h"

namespace wmf {
namespace {

// Unites rectangles pairwise, halving the list each round, which keeps the
// work near n log n where one-by-one union would be quadratic.
QRegion unite(std::vector<QRegion> parts)
{
    if (parts.empty())
        return QRegion();
    while (parts.size() > 1) {
        std::vector<QRegion> next;
        next.reserve((parts.size() + 1) / 2);
        for (size_t i = 0; i + 1 < parts.size(); i += 2)
            next.push_back(parts[i].united(parts[i + 1]));
        if (parts.size() % 2)
            next.push_back(parts.back());
        parts.swap(next);
    }
    return parts.front();
}

} // namespace

Playback::Playback(const ParsedMetafile &file, QPainter &painter, const QRectF &target)
    : metafile(file), surface(painter, target, file.frame)
{
    dc.mapping = file.frame.initial;
    updateMapping();
}

void Playback::updateMapping()
{
    toTarget = logicalToDevice(dc.mapping, metafile.frame.deviceUnitTwips).then(surface.deviceToTarget);
}

QRgb Playback::color(uint32_t colorRef) const
{
    return resolveColorRef(colorRef, dc.palette.get());
}

bool Playback::prepareClip()
{
    if (dc.clip.isEmpty())
        return false;
    surface.applyClip(dc.clip);
    return true;
}

void Playback::setClip(const Clip &clip)
{
    dc.clip = clip;
    surface.clipChanged();
}

QRegion Playback::clipRegionOf(const Region &region) const
{
    std::vector<QRegion> parts;
    parts.reserve(region.rects.size());
    for (const QRectF &r : region.rects) {
        const QRect units = surface.toClipUnits(toTarget.mapRect(r));
        if (!units.isEmpty())
            parts.emplace_back(units);
    }
    return unite(std::move(parts));
}

QPolygonF Playback::readPoints(ByteReader &in, int count) const
{
    QPolygonF points;
    if (count <= 0 || size_t(count) > in.remaining() / 4)
        return points;
    points.reserve(count);
    for (int i = 0; i < count; ++i) {
        const double x = in.i16();
        const double y = in.i16();
        points.append(toTarget.map(x, y));
    }
    return points;
}

QRectF Playback::readBox(ByteReader &in) const
{
    const double bottom = in.i16();
    const double right = in.i16();
    const double top = in.i16();
    const double left = in.i16();
    return QRectF(toTarget.map(left, top), toTarget.map(right, bottom)).normalized();
}

} // namespace wmf
