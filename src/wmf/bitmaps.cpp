// The blit records: pattern fills, device-dependent and device-independent
// bitmaps, stretched or not, under a ternary raster operation.
#include "wmf/player.h"
#include "wmf/rasterop.h"

#include <cmath>

namespace wmf {
namespace {

// Records of the blit family omit the bitmap when their size in words is
// the high byte of the function number plus three.
bool hasNoBitmap(const Record &r) { return r.length == size_t(r.function >> 8) * 2; }

bool sameRect(const QRectF &a, const QRectF &b)
{
    const double tolerance = 0.01 * std::max(1.0, std::max(a.width(), a.height()));
    return std::abs(a.left() - b.left()) < tolerance && std::abs(a.top() - b.top()) < tolerance &&
           std::abs(a.width() - b.width()) < tolerance && std::abs(a.height() - b.height()) < tolerance;
}

bool finiteRect(const QRectF &r)
{
    return std::isfinite(r.left()) && std::isfinite(r.top()) && std::isfinite(r.width()) && std::isfinite(r.height());
}

} // namespace

void Player::handleBitmapRecord(const Record &r, ByteReader in)
{
    const bool noBitmap = hasNoBitmap(r);
    switch (r.function) {
    case META_PATBLT: {
        const uint32_t rop = in.u32();
        const double h = in.i16();
        const double w = in.i16();
        const double y = in.i16();
        const double x = in.i16();
        if (in.ok())
            blit(rop, std::nullopt, false, {}, false, QRectF(x, y, w, h));
        return;
    }
    case META_BITBLT:
    case META_DIBBITBLT: {
        const uint32_t rop = in.u32();
        const double ySrc = in.i16();
        const double xSrc = in.i16();
        if (noBitmap)
            in.skip(2);
        const double h = in.i16();
        const double w = in.i16();
        const double y = in.i16();
        const double x = in.i16();
        if (!in.ok())
            return;
        std::optional<Bitmap> bitmap;
        if (!noBitmap)
            bitmap = r.function == META_BITBLT ? decodeBitmap16(in.rest()) : decodeDib(in.rest(), DIB_RGB_COLORS, nullptr);
        blit(rop, bitmap, r.function == META_BITBLT, QRectF(xSrc, ySrc, w, h), false, QRectF(x, y, w, h));
        return;
    }
    case META_STRETCHBLT:
    case META_DIBSTRETCHBLT: {
        const uint32_t rop = in.u32();
        const double hSrc = in.i16();
        const double wSrc = in.i16();
        const double ySrc = in.i16();
        const double xSrc = in.i16();
        if (noBitmap)
            in.skip(2);
        const double h = in.i16();
        const double w = in.i16();
        const double y = in.i16();
        const double x = in.i16();
        if (!in.ok())
            return;
        std::optional<Bitmap> bitmap;
        if (!noBitmap)
            bitmap = r.function == META_STRETCHBLT ? decodeBitmap16(in.rest()) : decodeDib(in.rest(), DIB_RGB_COLORS, nullptr);
        blit(rop, bitmap, r.function == META_STRETCHBLT, QRectF(xSrc, ySrc, wSrc, hSrc), false, QRectF(x, y, w, h));
        return;
    }
    case META_STRETCHDIB: {
        const uint32_t rop = in.u32();
        const int usage = in.u16();
        const double hSrc = in.i16();
        const double wSrc = in.i16();
        const double ySrc = in.i16();
        const double xSrc = in.i16();
        const double h = in.i16();
        const double w = in.i16();
        const double y = in.i16();
        const double x = in.i16();
        if (!in.ok())
            return;
        std::optional<Bitmap> bitmap = ropUsesSource(rop) ? decodeDib(in.rest(), usage, dc_.palette.get()) : std::nullopt;
        blit(rop, bitmap, false, QRectF(xSrc, ySrc, wSrc, hSrc), true, QRectF(x, y, w, h));
        return;
    }
    case META_SETDIBTODEV: {
        const int usage = in.u16();
        in.skip(4); // scan count and start scan: the bits hold the whole bitmap here
        const double ySrc = in.i16();
        const double xSrc = in.i16();
        const double h = in.i16();
        const double w = in.i16();
        const double y = in.i16();
        const double x = in.i16();
        if (!in.ok())
            return;
        blit(SRCCOPY, decodeDib(in.rest(), usage, dc_.palette.get()), false, QRectF(xSrc, ySrc, w, h), true,
             QRectF(x, y, w, h));
        return;
    }
    default:
        return;
    }
}

void Player::blit(uint32_t rop, const std::optional<Bitmap> &source, bool deviceBitmap, const QRectF &src,
                  bool bottomOrigin, const QRectF &logicalDest)
{
    if (rop == DSTCOPY)
        return;
    const QPointF p1 = toTarget_.map(logicalDest.topLeft());
    const QPointF p2 = toTarget_.map(logicalDest.bottomRight());
    const QRectF dest = QRectF(p1, p2).normalized();
    if (!finiteRect(dest) || dest.isEmpty())
        return;
    if (!ropUsesSource(rop)) {
        fillWithRop(dest, rop);
        return;
    }
    if (!source)
        return;

    const QImage &image = source->image;
    // Signs of source and destination extents that differ mirror the picture.
    const bool flipX = (p2.x() < p1.x()) != (src.width() < 0);
    const bool flipY = (p2.y() < p1.y()) != (src.height() < 0);
    const QRectF s = src.normalized();
    if (!(s.width() >= 1 && s.height() >= 1))
        return;
    QRect wanted(int(std::floor(s.left())), int(std::floor(s.top())), int(std::lround(s.width())), int(std::lround(s.height())));
    // StretchDIBits counts rows of a bottom-up bitmap from the bottom.
    if (bottomOrigin && source->bottomUp)
        wanted.moveTop(image.height() - (wanted.top() + wanted.height()));
    const QRect got = wanted & image.rect();
    if (got.isEmpty())
        return;
    double fx0 = double(got.left() - wanted.left()) / wanted.width();
    double fx1 = double(got.right() + 1 - wanted.left()) / wanted.width();
    double fy0 = double(got.top() - wanted.top()) / wanted.height();
    double fy1 = double(got.bottom() + 1 - wanted.top()) / wanted.height();
    if (flipX) {
        std::swap(fx0, fx1);
        fx0 = 1 - fx0;
        fx1 = 1 - fx1;
    }
    if (flipY) {
        std::swap(fy0, fy1);
        fy0 = 1 - fy0;
        fy1 = 1 - fy1;
    }
    const QRectF part(dest.left() + fx0 * dest.width(), dest.top() + fy0 * dest.height(), (fx1 - fx0) * dest.width(),
                      (fy1 - fy0) * dest.height());

    QImage piece = image.copy(got);
    if (flipX || flipY)
        piece = piece.mirrored(flipX, flipY);
    if (deviceBitmap && source->monochrome) {
        // A one-bit device bitmap takes the text colour for 0 and the background colour for 1.
        const QRgb ink = color(dc_.textColor), paper = color(dc_.backgroundColor);
        for (int y = 0; y < piece.height(); ++y) {
            QRgb *row = reinterpret_cast<QRgb *>(piece.scanLine(y));
            for (int x = 0; x < piece.width(); ++x)
                row[x] = qRed(row[x]) > 127 ? paper : ink;
        }
    }
    drawBitmap(piece, part, rop);
}

void Player::paintImage(const QImage &image, const QRectF &dest, QPainter::CompositionMode mode)
{
    if (dc_.clip.isEmpty())
        return;
    applyClip();
    painter_.setCompositionMode(mode);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    // GDI repeats pixels when it enlarges; it averages them only in HALFTONE mode.
    const bool shrinking = dest.width() < image.width() || dest.height() < image.height();
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, shrinking || dc_.stretchMode == HALFTONE);
    painter_.drawImage(dest, image);
    restoreComposition();
}

void Player::drawBitmap(const QImage &image, const QRectF &dest, uint32_t rop)
{
    if (rop == SRCAND) {
        flushPendingMask();
        pendingMask_ = PendingMask{image, dest};
        return;
    }
    if ((rop == SRCINVERT || rop == SRCPAINT) && pendingMask_ && sameRect(pendingMask_->dest, dest)) {
        const QImage icon = combineMaskAndImage(pendingMask_->mask, image);
        pendingMask_.reset();
        paintImage(icon, dest, QPainter::CompositionMode_SourceOver);
        return;
    }
    flushPendingMask();
    switch (rop) {
    case SRCCOPY:
        paintImage(image, dest, QPainter::CompositionMode_SourceOver);
        return;
    case NOTSRCCOPY:
        paintImage(inverted(image), dest, QPainter::CompositionMode_SourceOver);
        return;
    case MERGECOPY:
        paintImage(multiplied(image, color(dc_.brush.color)), dest, QPainter::CompositionMode_SourceOver);
        return;
    default:
        break;
    }
    if (rasterOps_) {
        if (const auto mode = compositionForRop(rop)) {
            paintImage(image, dest, *mode);
            return;
        }
    }
    // Without pixel operations: keep what the operation would leave unchanged.
    if (rop == SRCPAINT || rop == SRCINVERT)
        paintImage(transparentWhere(image, qRgb(0, 0, 0)), dest, QPainter::CompositionMode_SourceOver);
    else
        paintImage(image, dest, QPainter::CompositionMode_SourceOver);
}

void Player::flushPendingMask()
{
    if (!pendingMask_)
        return;
    const PendingMask pending = std::move(*pendingMask_);
    pendingMask_.reset();
    if (rasterOps_)
        paintImage(pending.mask, pending.dest, QPainter::RasterOp_SourceAndDestination);
    else
        paintImage(transparentWhere(pending.mask, qRgb(255, 255, 255)), pending.dest, QPainter::CompositionMode_SourceOver);
}

void Player::fillWithRop(const QRectF &dest, uint32_t rop)
{
    flushPendingMask();
    if (dc_.clip.isEmpty())
        return;
    applyClip();
    restoreComposition();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    switch (rop) {
    case BLACKNESS:
        painter_.fillRect(dest, Qt::black);
        break;
    case WHITENESS:
        painter_.fillRect(dest, Qt::white);
        break;
    case DSTINVERT:
        if (rasterOps_) {
            painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
            painter_.fillRect(dest, Qt::black);
        }
        break;
    case PATINVERT:
        if (rasterOps_ && dc_.brush.style != BS_NULL) {
            painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            painter_.fillRect(dest, brushFor(dc_.brush));
        }
        break;
    default:
        // PATCOPY and the other pattern-only operations paint the brush.
        if (ropUsesPattern(rop) && dc_.brush.style != BS_NULL)
            painter_.fillRect(dest, brushFor(dc_.brush));
        break;
    }
    restoreComposition();
}

} // namespace wmf
