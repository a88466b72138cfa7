// The blit records, which differ only in which fields they carry: one table
// says which, and one reader reads them all.
#include "wmf/blit.h"
#include "wmf/rasterop.h"
#include "wmf/recordhandlers.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace wmf {
namespace {

enum class Source { None, DeviceBitmap, Dib };

struct BlitLayout {
    uint16_t function;
    Source source;
    bool hasRop;                // SETDIBTODEV always copies
    bool hasUsage;              // a DIB's colours may index the selected palette
    size_t skippedBytes;        // SETDIBTODEV's scan count and start scan: the bits hold the whole bitmap
    bool stretched;             // the source has a size of its own
    bool reservedWithoutBitmap; // a record without its bitmap carries one word more
    bool bottomOrigin;
};

constexpr BlitLayout layouts[] = {
    // function          source                rop    usage  skip   stretch reserved bottom
    {META_PATBLT,        Source::None,         true,  false, 0,     false,  false,   false},
    {META_BITBLT,        Source::DeviceBitmap, true,  false, 0,     false,  true,    false},
    {META_DIBBITBLT,     Source::Dib,          true,  false, 0,     false,  true,    false},
    {META_STRETCHBLT,    Source::DeviceBitmap, true,  false, 0,     true,   true,    false},
    {META_DIBSTRETCHBLT, Source::Dib,          true,  false, 0,     true,   true,    false},
    {META_STRETCHDIB,    Source::Dib,          true,  true,  0,     true,   false,   true},
    {META_SETDIBTODEV,   Source::Dib,          false, true,  4,     false,  false,   true},
};

// Records of the blit family omit the bitmap when their size in words is
// the high byte of the function number plus three.
bool hasNoBitmap(const Record &r) { return r.length == size_t(r.function >> 8) * 2; }

std::optional<Bitmap> readSource(const Playback &p, const BlitLayout &layout, ByteReader bits, int usage)
{
    if (layout.source == Source::DeviceBitmap)
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
    const double ySrc = layout.source != Source::None ? in.i16() : 0;
    const double xSrc = layout.source != Source::None ? in.i16() : 0;
    const bool noBitmap = layout.reservedWithoutBitmap && hasNoBitmap(r);
    if (noBitmap)
        in.skip(2);
    const double h = in.i16();
    const double w = in.i16();
    const double y = in.i16();
    const double x = in.i16();
    if (!in.ok())
        return std::nullopt;
    request.dest = QRectF(x, y, w, h);
    request.sourceRect = layout.stretched ? QRectF(xSrc, ySrc, wSrc, hSrc) : QRectF(xSrc, ySrc, w, h);
    request.deviceBitmap = layout.source == Source::DeviceBitmap;
    request.bottomOrigin = layout.bottomOrigin;
    // Operations that do not read the source draw without decoding it.
    if (layout.source != Source::None && !noBitmap && ropUsesSource(request.rop))
        request.source = readSource(p, layout, in.rest(), usage);
    return request;
}

void playBlit(Playback &p, const Record &r, ByteReader in)
{
    const BlitLayout *layout = std::find_if(std::begin(layouts), std::end(layouts),
                                            [&r](const BlitLayout &l) { return l.function == r.function; });
    if (layout == std::end(layouts))
        return;
    if (const std::optional<BlitRequest> request = readBlit(p, *layout, r, in))
        blit(p, *request);
}

constexpr auto handlers = [] {
    std::array<RecordHandler, std::size(layouts)> rows{};
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = {layouts[i].function, playBlit, false};
    return rows;
}();

} // namespace

std::span<const RecordHandler> blitRecords() { return handlers; }

} // namespace wmf
