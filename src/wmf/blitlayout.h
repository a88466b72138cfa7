#pragma once
// The blit records differ only in which fields they carry before the
// destination rectangle (height, width, y, x) and the bitmap: one table says
// which, for the player and for the frame scan alike.
#include "wmf/bytereader.h"
#include "wmf/records.h"

#include <QRectF>

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace wmf {

enum class BlitSource { None, DeviceBitmap, Dib };

struct BlitLayout {
    uint16_t function;
    BlitSource source;
    bool hasRop;                // SETDIBTODEV always copies
    bool hasUsage;              // a DIB's colours may index the selected palette
    size_t skippedBytes;        // SETDIBTODEV's scan count and start scan: the bits hold the whole bitmap
    bool stretched;             // the source has a size of its own
    bool reservedWithoutBitmap; // a record without its bitmap carries one word more
    bool bottomOrigin;          // rows of a bottom-up bitmap are counted from the bottom
};

inline constexpr BlitLayout blitLayouts[] = {
    // function          source                    rop    usage  skip stretch reserved bottom
    {META_PATBLT,        BlitSource::None,         true,  false, 0,   false,  false,   false},
    {META_BITBLT,        BlitSource::DeviceBitmap, true,  false, 0,   false,  true,    false},
    {META_DIBBITBLT,     BlitSource::Dib,          true,  false, 0,   false,  true,    false},
    {META_STRETCHBLT,    BlitSource::DeviceBitmap, true,  false, 0,   true,   true,    false},
    {META_DIBSTRETCHBLT, BlitSource::Dib,          true,  false, 0,   true,   true,    false},
    {META_STRETCHDIB,    BlitSource::Dib,          true,  true,  0,   true,   false,   true},
    {META_SETDIBTODEV,   BlitSource::Dib,          false, true,  4,   false,  false,   true},
};

inline const BlitLayout *blitLayout(uint16_t function)
{
    const auto it = std::find_if(std::begin(blitLayouts), std::end(blitLayouts),
                                 [function](const BlitLayout &l) { return l.function == function; });
    return it == std::end(blitLayouts) ? nullptr : it;
}

// Records of the blit family omit the bitmap when their size in words is
// the high byte of the function number plus three.
inline bool omitsBitmap(const BlitLayout &layout, size_t paramBytes)
{
    return layout.reservedWithoutBitmap && paramBytes == size_t(layout.function >> 8) * 2;
}

// Bytes of parameters before the destination rectangle.
inline size_t bytesBeforeDest(const BlitLayout &l, bool noBitmap)
{
    return (l.hasRop ? 4 : 0) + (l.hasUsage ? 2 : 0) + l.skippedBytes + (l.stretched ? 4 : 0) +
           (l.source != BlitSource::None ? 4 : 0) + (noBitmap ? 2 : 0);
}

// The destination rectangle, stored height, width, y, x; sizes may be negative.
inline QRectF readDest(ByteReader &in)
{
    const double h = in.i16();
    const double w = in.i16();
    const double y = in.i16();
    const double x = in.i16();
    return QRectF(x, y, w, h);
}

} // namespace wmf
