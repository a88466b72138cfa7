// Clip rectangles and clip regions, and the region painting records.
#include "wmf/player.h"

#include <algorithm>
#include <cmath>

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

void Player::setClip(const Clip &clip)
{
    dc_.clip = clip;
    clipDirty_ = true;
}

// Applies the context's clip on top of the caller's clip and the frame.
void Player::applyClip()
{
    if (!clipDirty_)
        return;
    painter_.restore();
    painter_.save();
    if (dc_.clip.active) {
        const QTransform world = painter_.worldTransform();
        painter_.setWorldTransform(QTransform::fromScale(1 / clipScale_, 1 / clipScale_) * world);
        painter_.setClipRegion(dc_.clip.region, Qt::IntersectClip);
        painter_.setWorldTransform(world);
    }
    clipDirty_ = false;
}

// Target coordinates to whole clip units. Anything far outside the target
// is cut off first: it is never drawn, and it must fit in integers.
QRect Player::toClipUnits(const QRectF &targetRect) const
{
    const QRectF bounds = target_.adjusted(-target_.width() - 1, -target_.height() - 1, target_.width() + 1,
                                           target_.height() + 1);
    const QRectF r = targetRect.normalized().intersected(bounds);
    if (r.isEmpty() || !std::isfinite(r.width()) || !std::isfinite(r.height()))
        return QRect();
    const int left = int(std::lround(r.left() * clipScale_));
    const int top = int(std::lround(r.top() * clipScale_));
    const int right = int(std::lround(r.right() * clipScale_));
    const int bottom = int(std::lround(r.bottom() * clipScale_));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QRegion Player::clipRegionOf(const Region &region) const
{
    std::vector<QRegion> parts;
    parts.reserve(region.rects.size());
    for (const QRectF &r : region.rects) {
        const QRect units = toClipUnits(toTarget_.mapRect(r));
        if (!units.isEmpty())
            parts.emplace_back(units);
    }
    return unite(std::move(parts));
}

QPainterPath Player::regionPath(const Region &region) const
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const QRectF &r : region.rects)
        path.addRect(toTarget_.mapRect(r));
    return path;
}

void Player::regionRecord(const Record &r, ByteReader in)
{
    // Which index is the region and which the brush differs between
    // writers; the objects' kinds decide.
    const unsigned first = in.u16();
    const unsigned second = in.u16();
    const double height = in.i16();
    const double width = in.i16();
    const GdiObject *a = objects_.get(first);
    const GdiObject *b = objects_.get(second);
    const bool firstIsRegion = a && std::holds_alternative<std::shared_ptr<const Region>>(*a);
    const GdiObject *regionObject = firstIsRegion ? a : b;
    const GdiObject *brushObject = firstIsRegion ? b : a;
    if (r.function == META_PAINTREGION || r.function == META_INVERTREGION)
        regionObject = a;
    if (!regionObject || !std::holds_alternative<std::shared_ptr<const Region>>(*regionObject))
        return;
    const Region &region = *std::get<std::shared_ptr<const Region>>(*regionObject);
    if (dc_.clip.isEmpty() || region.rects.empty())
        return;

    Brush brush = dc_.brush;
    if (r.function == META_FILLREGION || r.function == META_FRAMEREGION) {
        if (!brushObject || !std::holds_alternative<Brush>(*brushObject))
            return;
        brush = std::get<Brush>(*brushObject);
    }
    if (brush.style == BS_NULL && r.function != META_INVERTREGION)
        return;
    applyClip();
    restoreComposition();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    switch (r.function) {
    case META_FILLREGION:
    case META_PAINTREGION:
        painter_.fillPath(regionPath(region), brushFor(brush));
        break;
    case META_FRAMEREGION: {
        if (!in.ok())
            break;
        // The frame is what is left of the region when it is shrunk by the
        // frame's width and height from every side.
        const QRegion whole = clipRegionOf(region);
        const int w = std::max(1, int(std::lround(std::abs(width * toTarget_.x.scale) * clipScale_)));
        const int h = std::max(1, int(std::lround(std::abs(height * toTarget_.y.scale) * clipScale_)));
        const QRegion inner = whole.intersected(whole.translated(w, 0))
                                  .intersected(whole.translated(-w, 0))
                                  .intersected(whole.translated(0, h))
                                  .intersected(whole.translated(0, -h));
        const QRegion frame = whole.subtracted(inner);
        const QBrush fill = brushFor(brush);
        for (const QRect &rect : frame)
            painter_.fillRect(QRectF(rect.x() / clipScale_, rect.y() / clipScale_, rect.width() / clipScale_,
                                     rect.height() / clipScale_),
                              fill);
        break;
    }
    case META_INVERTREGION:
        if (rasterOps_) {
            painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
            painter_.fillPath(regionPath(region), Qt::black);
        }
        break;
    default:
        break;
    }
    restoreComposition();
}

void Player::handleClipRecord(const Record &r, ByteReader in)
{
    switch (r.function) {
    case META_INTERSECTCLIPRECT:
    case META_EXCLUDECLIPRECT: {
        const QRectF box = readBox(in);
        if (!in.ok())
            return;
        const QRect units = toClipUnits(box);
        Clip clip = dc_.clip;
        if (!clip.active) {
            clip.active = true;
            clip.region = QRegion(toClipUnits(target_));
        }
        if (r.function == META_INTERSECTCLIPRECT)
            clip.region = clip.region.intersected(units);
        else
            clip.region = clip.region.subtracted(units);
        setClip(clip);
        return;
    }
    case META_SELECTCLIPREGION: {
        const unsigned index = in.u16();
        if (!in.ok())
            return;
        const GdiObject *o = objects_.get(index);
        Clip clip;
        // Anything but a region (writers use 0 for "no region") removes the clip.
        if (o && std::holds_alternative<std::shared_ptr<const Region>>(*o)) {
            clip.active = true;
            clip.region = clipRegionOf(*std::get<std::shared_ptr<const Region>>(*o));
        }
        setClip(clip);
        return;
    }
    case META_OFFSETCLIPRGN: {
        const double y = in.i16();
        const double x = in.i16();
        if (!in.ok() || !dc_.clip.active)
            return;
        const double dx = x * toTarget_.x.scale * clipScale_, dy = y * toTarget_.y.scale * clipScale_;
        if (!std::isfinite(dx) || !std::isfinite(dy))
            return;
        const double limit = 4 * (target_.width() + target_.height()) * clipScale_ + 1;
        Clip clip = dc_.clip;
        clip.region.translate(int(std::lround(std::clamp(dx, -limit, limit))), int(std::lround(std::clamp(dy, -limit, limit))));
        setClip(clip);
        return;
    }
    default:
        regionRecord(r, in);
        return;
    }
}

} // namespace wmf
