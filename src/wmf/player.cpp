#include "wmf/player.h"
#include "wmf/drawextent.h"

#include <QPaintEngine>
#include <algorithm>
#include <cmath>

namespace wmf {

Player::Player(const ParsedMetafile &metafile, QPainter &painter, const QRectF &target)
    : metafile_(metafile), painter_(painter), target_(target)
{
    const Frame &frame = metafile.frame;
    const QRectF &device = frame.device;
    if (device.width() > 0 && device.height() > 0) {
        deviceToTarget_.x.scale = target.width() / device.width();
        deviceToTarget_.y.scale = target.height() / device.height();
        deviceToTarget_.x.offset = target.left() - device.left() * deviceToTarget_.x.scale;
        deviceToTarget_.y.offset = target.top() - device.top() * deviceToTarget_.y.scale;
        // One pixel of the picture drawn at its own size (15 twips).
        const double pixelInDevice = 15.0 / frame.deviceUnitTwips;
        hairline_ = pixelInDevice * std::sqrt(std::abs(deviceToTarget_.x.scale * deviceToTarget_.y.scale));
    } else {
        stop_ = true;
    }
    // Clip regions are kept in whole units no coarser than a device pixel.
    const QTransform world = painter.worldTransform();
    clipScale_ = std::clamp(std::sqrt(std::abs(world.determinant())), 1.0, 16.0);
    QPaintEngine *engine = painter.paintEngine();
    // Pixel operations only where pixels are final: a recording (QPicture)
    // may be replayed on a printer that has none.
    rasterOps_ = engine && engine->type() == QPaintEngine::Raster && engine->hasFeature(QPaintEngine::RasterOpModes);
    dc_.mapping = frame.initial;
    updateMapping();
}

void Player::play()
{
    if (stop_ || !painter_.isActive() || !std::isfinite(hairline_) || hairline_ <= 0)
        return;
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    // Nothing spills outside the picture's frame.
    painter_.setClipRect(target_, Qt::IntersectClip);
    painter_.save(); // the level our own clip regions are applied on
    clipDirty_ = false;

    for (const Record &r : metafile_.records) {
        if (stop_)
            break;
        const ByteReader in = metafile_.params(r);
        switch (r.function) {
        case META_TEXTOUT:
            flushPendingMask();
            textOut(in);
            break;
        case META_EXTTEXTOUT:
            flushPendingMask();
            extTextOut(in);
            break;
        case META_PATBLT:
        case META_BITBLT:
        case META_STRETCHBLT:
        case META_DIBBITBLT:
        case META_DIBSTRETCHBLT:
        case META_STRETCHDIB:
        case META_SETDIBTODEV:
            handleBitmapRecord(r, in);
            break;
        case META_INTERSECTCLIPRECT:
        case META_EXCLUDECLIPRECT:
        case META_SELECTCLIPREGION:
        case META_OFFSETCLIPRGN:
        case META_FILLREGION:
        case META_FRAMEREGION:
        case META_PAINTREGION:
        case META_INVERTREGION:
            flushPendingMask();
            handleClipRecord(r, in);
            break;
        default:
            if (isDrawingRecord(r.function)) {
                flushPendingMask();
                handleShapeRecord(r, in);
            } else {
                if (r.function == META_RESTOREDC || r.function == META_SELECTOBJECT)
                    flushPendingMask();
                handleStateRecord(r, in);
            }
            break;
        }
    }
    flushPendingMask();
    painter_.restore();
    painter_.restore();
}

void Player::updateMapping()
{
    toTarget_ = logicalToDevice(dc_.mapping, metafile_.frame.deviceUnitTwips).then(deviceToTarget_);
}

QRgb Player::color(uint32_t colorRef) const
{
    return resolveColorRef(colorRef, dc_.palette.get());
}

} // namespace wmf
