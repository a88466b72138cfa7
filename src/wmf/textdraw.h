#pragma once
// Draws one TEXTOUT or EXTTEXTOUT: text in the selected font, placed by the
// text alignment, spaced by the record's advance array, with opaque and
// clipping rectangles. Glyphs are drawn in a frame that is never flipped, so
// text stays upright under any window extents, as it does in GDI.
#include "wmf/playback.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace wmf {

enum ExtTextOptions { ETO_OPAQUE = 0x0002, ETO_CLIPPED = 0x0004 };

// One text record as read, in logical units.
struct TextRun {
    QPointF reference;
    const uint8_t *bytes = nullptr;
    size_t length = 0;
    std::vector<int> dx; // advances per byte, or per character of a double-byte set
    int options = 0;
    std::optional<QRectF> rect;
};

void drawText(Playback &playback, const TextRun &run);

} // namespace wmf
