#include "wmf/blit.h"
#include "wmf/paint.h"
#include "wmf/rasterop.h"
#include "wmf/recordhandlers.h"

#include <cmath>

namespace wmf {
namespace {

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

// The part of the bitmap a blit reads and where in dest it lands: a source
// rectangle reaching beyond the bitmap draws only the part inside it.
struct Piece {
    QImage image;
    QRectF dest;
};

// The fractions [from, to) of the wanted span that the bitmap covers, mirrored if flipped.
std::pair<double, double> coveredSpan(int wantedStart, int wantedLength, int gotStart, int gotEnd, bool flip)
{
    const double from = double(gotStart - wantedStart) / wantedLength;
    const double to = double(gotEnd - wantedStart) / wantedLength;
    return flip ? std::pair(1 - to, 1 - from) : std::pair(from, to);
}

std::optional<Piece> pieceOf(const Bitmap &source, const BlitRequest &request, QPointF p1, QPointF p2, const QRectF &dest)
{
    const QImage &image = source.image;
    // Signs of source and destination extents that differ mirror the picture.
    const bool flipX = (p2.x() < p1.x()) != (request.sourceRect.width() < 0);
    const bool flipY = (p2.y() < p1.y()) != (request.sourceRect.height() < 0);
    const QRectF s = request.sourceRect.normalized();
    if (!(s.width() >= 1 && s.height() >= 1))
        return std::nullopt;
    QRect wanted(int(std::floor(s.left())), int(std::floor(s.top())), int(std::lround(s.width())), int(std::lround(s.height())));
    // StretchDIBits counts rows of a bottom-up bitmap from the bottom.
    if (request.bottomOrigin && source.bottomUp)
        wanted.moveTop(image.height() - (wanted.top() + wanted.height()));
    const QRect got = wanted & image.rect();
    if (got.isEmpty())
        return std::nullopt;
    const auto [fx0, fx1] = coveredSpan(wanted.left(), wanted.width(), got.left(), got.right() + 1, flipX);
    const auto [fy0, fy1] = coveredSpan(wanted.top(), wanted.height(), got.top(), got.bottom() + 1, flipY);
    Piece piece;
    piece.dest = QRectF(dest.left() + fx0 * dest.width(), dest.top() + fy0 * dest.height(), (fx1 - fx0) * dest.width(),
                        (fy1 - fy0) * dest.height());
    piece.image = image.copy(got);
    if (flipX || flipY)
        piece.image = piece.image.mirrored(flipX, flipY);
    return piece;
}

void paintImage(Playback &p, const QImage &image, const QRectF &dest, QPainter::CompositionMode mode)
{
    if (!p.prepareClip())
        return;
    QPainter &painter = p.surface.painter;
    painter.setCompositionMode(mode);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // GDI repeats pixels when it enlarges; it averages them only in HALFTONE mode.
    const bool shrinking = dest.width() < image.width() || dest.height() < image.height();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, shrinking || p.dc.stretchMode == HALFTONE);
    painter.drawImage(dest, image);
    p.surface.setComposition(QPainter::CompositionMode_SourceOver);
}

// The image an operation that reads source and destination draws where
// pixels cannot be combined: what the operation would leave unchanged is
// left out.
void paintWithoutRasterOps(Playback &p, const QImage &image, const QRectF &dest, uint32_t rop)
{
    if (rop == SRCPAINT || rop == SRCINVERT)
        paintImage(p, transparentWhere(image, qRgb(0, 0, 0)), dest, QPainter::CompositionMode_SourceOver);
    else
        paintImage(p, image, dest, QPainter::CompositionMode_SourceOver);
}

void drawBitmap(Playback &p, const QImage &image, const QRectF &dest, uint32_t rop)
{
    if (rop == SRCAND) {
        flushPendingMask(p);
        p.pendingMask = PendingMask{image, dest};
        return;
    }
    if ((rop == SRCINVERT || rop == SRCPAINT) && p.pendingMask && sameRect(p.pendingMask->dest, dest)) {
        const QImage icon = combineMaskAndImage(p.pendingMask->mask, image);
        p.pendingMask.reset();
        paintImage(p, icon, dest, QPainter::CompositionMode_SourceOver);
        return;
    }
    flushPendingMask(p);
    if (rop == SRCCOPY)
        paintImage(p, image, dest, QPainter::CompositionMode_SourceOver);
    else if (rop == NOTSRCCOPY)
        paintImage(p, inverted(image), dest, QPainter::CompositionMode_SourceOver);
    else if (rop == MERGECOPY)
        paintImage(p, multiplied(image, p.color(p.dc.brush.color)), dest, QPainter::CompositionMode_SourceOver);
    else if (const auto mode = compositionForRop(rop); mode && p.surface.rasterOps)
        paintImage(p, image, dest, *mode);
    else
        paintWithoutRasterOps(p, image, dest, rop);
}

// Operations that do not read a source: solid fills, inversions and the brush.
void fillWithRop(Playback &p, const QRectF &dest, uint32_t rop)
{
    flushPendingMask(p);
    if (!p.prepareClip())
        return;
    QPainter &painter = p.surface.painter;
    p.surface.setComposition(QPainter::CompositionMode_SourceOver);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const bool brush = p.dc.brush.style != BS_NULL;
    if (rop == BLACKNESS || rop == WHITENESS) {
        painter.fillRect(dest, rop == BLACKNESS ? Qt::black : Qt::white);
    } else if (rop == DSTINVERT) {
        if (p.surface.rasterOps) {
            painter.setCompositionMode(QPainter::RasterOp_NotDestination);
            painter.fillRect(dest, Qt::black);
        }
    } else if (rop == PATINVERT) {
        if (p.surface.rasterOps && brush) {
            painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            painter.fillRect(dest, brushFor(p, p.dc.brush));
        }
    } else if (ropUsesPattern(rop) && brush) {
        // PATCOPY and the other pattern-only operations paint the brush.
        painter.fillRect(dest, brushFor(p, p.dc.brush));
    }
    p.surface.setComposition(QPainter::CompositionMode_SourceOver);
}

} // namespace

void blit(Playback &p, const BlitRequest &request)
{
    if (request.rop == DSTCOPY)
        return;
    const QPointF p1 = p.toTarget.map(request.dest.topLeft());
    const QPointF p2 = p.toTarget.map(request.dest.bottomRight());
    const QRectF dest = QRectF(p1, p2).normalized();
    if (!finiteRect(dest) || dest.isEmpty())
        return;
    if (!ropUsesSource(request.rop)) {
        fillWithRop(p, dest, request.rop);
        return;
    }
    if (!request.source)
        return;
    std::optional<Piece> piece = pieceOf(*request.source, request, p1, p2, dest);
    if (!piece)
        return;
    if (request.deviceBitmap && request.source->monochrome)
        piece->image = inTwoColours(piece->image, p.color(p.dc.textColor), p.color(p.dc.backgroundColor));
    drawBitmap(p, piece->image, piece->dest, request.rop);
}

void flushPendingMask(Playback &p)
{
    if (!p.pendingMask)
        return;
    const PendingMask pending = std::move(*p.pendingMask);
    p.pendingMask.reset();
    if (p.surface.rasterOps)
        paintImage(p, pending.mask, pending.dest, QPainter::RasterOp_SourceAndDestination);
    else
        paintImage(p, transparentWhere(pending.mask, qRgb(255, 255, 255)), pending.dest, QPainter::CompositionMode_SourceOver);
}

} // namespace wmf
