// The blit records, read by one reader from the table of their layouts.
#include "wmf/blit.h"
#include "wmf/blitlayout.h"
#include "wmf/rasterop.h"
#include "wmf/recordhandlers.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace wmf {
namespace {

std::optional<Bitmap> readSource(const Playback &p, const BlitLayout &layout, ByteReader bits, int usage)
{
    if (layout.source == BlitSource::DeviceBitmap)
        return decodeBitmap16(bits);
    return decodeDib(bits, usage, p.dc.palette.get());
}

std::optional<BlitRequest> readBlit(const Playback &p, const BlitLayout &layout, const Record &r, ByteReader in)
{
    BlitRequest request;
    request.rop = layout.hasRop ? in.u32() : SRCCOPY;
    const int usage = layout.hasUsage ? int(in.u16()) : int(DIB_RGB_COLORS);
    in.skip(layout.skippedBytes);
    const double hSrc = layout.stretched ? in.i16() : 0;
    const double wSrc = layout.stretched ? in.i16() : 0;
    const double ySrc = layout.source != BlitSource::None ? in.i16() : 0;
    const double xSrc = layout.source != BlitSource::None ? in.i16() : 0;
    const bool noBitmap = omitsBitmap(layout, r.length);
    if (noBitmap)
        in.skip(2);
    request.dest = readDest(in);
    if (!in.ok())
        return std::nullopt;
    const QSizeF sourceSize = layout.stretched ? QSizeF(wSrc, hSrc) : request.dest.size();
    request.sourceRect = QRectF(QPointF(xSrc, ySrc), sourceSize);
    request.deviceBitmap = layout.source == BlitSource::DeviceBitmap;
    request.bottomOrigin = layout.bottomOrigin;
    // Operations that do not read the source draw without decoding it.
    if (layout.source != BlitSource::None && !noBitmap && ropUsesSource(request.rop))
        request.source = readSource(p, layout, in.rest(), usage);
    return request;
}

void playBlit(Playback &p, const Record &r, ByteReader in)
{
    if (const BlitLayout *layout = blitLayout(r.function))
        if (const std::optional<BlitRequest> request = readBlit(p, *layout, r, in))
            blit(p, *request);
}

constexpr auto handlers = [] {
    std::array<RecordHandler, std::size(blitLayouts)> rows{};
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = {blitLayouts[i].function, playBlit, false};
    return rows;
}();

} // namespace

std::span<const RecordHandler> blitRecords() { return handlers; }

} // namespace wmf
