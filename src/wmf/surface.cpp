#include "wmf/surface.h"

#include <QPaintEngine>
#include <algorithm>
#include <cmath>

namespace wmf {

Surface::Surface(QPainter &p, const QRectF &t, const Frame &frame) : painter(p), target(t)
{
    const QRectF &device = frame.device;
    if (device.width() > 0 && device.height() > 0) {
        deviceToTarget.x.scale = t.width() / device.width();
        deviceToTarget.y.scale = t.height() / device.height();
        deviceToTarget.x.offset = t.left() - device.left() * deviceToTarget.x.scale;
        deviceToTarget.y.offset = t.top() - device.top() * deviceToTarget.y.scale;
        // One pixel of the picture drawn at its own size (15 twips).
        const double pixelInDevice = 15.0 / frame.deviceUnitTwips;
        hairline = pixelInDevice * std::sqrt(std::abs(deviceToTarget.x.scale * deviceToTarget.y.scale));
        hasArea_ = true;
    }
    // Clip regions are kept in whole units no coarser than a device pixel.
    clipScale = std::clamp(std::sqrt(std::abs(p.worldTransform().determinant())), 1.0, 16.0);
    QPaintEngine *engine = p.paintEngine();
    // Pixel operations only where pixels are final: a recording (QPicture)
    // may be replayed on a printer that has none.
    rasterOps = engine && engine->type() == QPaintEngine::Raster && engine->hasFeature(QPaintEngine::RasterOpModes);
}

bool Surface::usable() const
{
    return hasArea_ && painter.isActive() && std::isfinite(hairline) && hairline > 0;
}

void Surface::begin()
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    // Nothing spills outside the picture's frame.
    painter.setClipRect(target, Qt::IntersectClip);
    painter.save(); // the level our own clip regions are applied on
    clipDirty_ = false;
}

void Surface::end()
{
    painter.restore();
    painter.restore();
}

void Surface::applyClip(const Clip &clip)
{
    if (!clipDirty_)
        return;
    painter.restore();
    painter.save();
    if (clip.active) {
        const QTransform world = painter.worldTransform();
        painter.setWorldTransform(QTransform::fromScale(1 / clipScale, 1 / clipScale) * world);
        painter.setClipRegion(clip.region, Qt::IntersectClip);
        painter.setWorldTransform(world);
    }
    clipDirty_ = false;
}

// Anything far outside the target is cut off first: it is never drawn, and
// it must fit in integers.
QRect Surface::toClipUnits(const QRectF &targetRect) const
{
    const QRectF bounds = target.adjusted(-target.width() - 1, -target.height() - 1, target.width() + 1,
                                          target.height() + 1);
    const QRectF r = targetRect.normalized().intersected(bounds);
    if (r.isEmpty() || !std::isfinite(r.width()) || !std::isfinite(r.height()))
        return QRect();
    const int left = int(std::lround(r.left() * clipScale));
    const int top = int(std::lround(r.top() * clipScale));
    const int right = int(std::lround(r.right() * clipScale));
    const int bottom = int(std::lround(r.bottom() * clipScale));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QRectF Surface::fromClipUnits(const QRect &units) const
{
    return QRectF(units.x() / clipScale, units.y() / clipScale, units.width() / clipScale, units.height() / clipScale);
}

void Surface::setComposition(QPainter::CompositionMode mode)
{
    painter.setCompositionMode(mode);
    painter.setRenderHint(QPainter::Antialiasing, mode == QPainter::CompositionMode_SourceOver);
}

} // namespace wmf
