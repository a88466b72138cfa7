#pragma once
// Ternary raster operations (source, pattern, destination) of the blit
// records, and the image work that stands in for them on devices that cannot
// combine pixels (printers, PDF).
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <optional>

namespace wmf {

enum RasterOp : uint32_t {
    BLACKNESS = 0x00000042,
    NOTSRCERASE = 0x001100A6,
    NOTSRCCOPY = 0x00330008,
    SRCERASE = 0x00440328,
    DSTINVERT = 0x00550009,
    PATINVERT = 0x005A0049,
    SRCINVERT = 0x00660046,
    SRCAND = 0x008800C6,
    DSTCOPY = 0x00AA0029,
    MERGEPAINT = 0x00BB0226,
    MERGECOPY = 0x00C000CA,
    SRCCOPY = 0x00CC0020,
    SRCPAINT = 0x00EE0086,
    PATCOPY = 0x00F00021,
    PATPAINT = 0x00FB0A09,
    WHITENESS = 0x00FF0062,
};

// The operation's truth table (bits 16-23) decides what it reads.
inline int ropIndex(uint32_t rop) { return int((rop >> 16) & 0xFF); }
inline bool ropUsesSource(uint32_t rop) { return ((ropIndex(rop) >> 2) & 0x33) != (ropIndex(rop) & 0x33); }
inline bool ropUsesPattern(uint32_t rop) { return ((ropIndex(rop) >> 4) & 0x0F) != (ropIndex(rop) & 0x0F); }

// The Qt composition mode that performs a source-and-destination operation
// on a raster device, if there is one.
std::optional<QPainter::CompositionMode> compositionForRop(uint32_t rop);

// A copy in which pixels of one colour (white for AND masks, black for OR
// and XOR images) are transparent: what those operations leave unchanged.
QImage transparentWhere(const QImage &image, QRgb key);

// An icon from its AND mask and its colour image: where the mask is white
// and the colour black the destination shows through.
QImage combineMaskAndImage(const QImage &mask, const QImage &image);

QImage inverted(const QImage &image);
// A one-bit picture in two colours: dark pixels take ink, light ones paper
// (device bitmaps and patterns take the text and background colours).
QImage inTwoColours(const QImage &image, QRgb ink, QRgb paper);
// Each channel multiplied by the colour's (MERGECOPY with a solid brush).
QImage multiplied(const QImage &image, QRgb color);

} // namespace wmf
