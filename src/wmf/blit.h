#pragma once
// Draws one blit: a pattern fill or a piece of a bitmap, stretched into a
// logical rectangle under a ternary raster operation. An icon's AND mask is
// held back until its colour image comes, so the two draw as one picture
// with transparency on any device.
#include "wmf/dib.h"
#include "wmf/playback.h"

#include <optional>

namespace wmf {

struct BlitRequest {
    uint32_t rop = 0;
    std::optional<Bitmap> source;
    bool deviceBitmap = false; // a one-bit device bitmap takes the text and background colours
    QRectF sourceRect;         // in the bitmap's pixels; negative sizes mirror
    bool bottomOrigin = false; // rows of a bottom-up bitmap are counted from the bottom
    QRectF dest;               // logical
};

void blit(Playback &playback, const BlitRequest &request);

} // namespace wmf
