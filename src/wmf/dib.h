#pragma once
// Bitmaps inside metafile records: device-independent bitmaps (an info
// header, a colour table and the bits) and the old device-dependent Bitmap16.
// Every size is checked against the bytes the record holds before any pixel
// memory is allocated.
#include "wmf/bytereader.h"
#include "wmf/colors.h"

#include <QImage>
#include <optional>

namespace wmf {

// Pictures above this many pixels are refused, whatever the record claims.
constexpr int64_t maxBitmapPixels = 16 * 1024 * 1024;

enum ColorUsage { DIB_RGB_COLORS = 0, DIB_PAL_COLORS = 1 };

struct Bitmap {
    QImage image;            // Format_RGB32, top row first
    bool bottomUp = false;   // rows were stored bottom row first
    bool monochrome = false; // a 1-bit bitmap (masks, patterns)
};

// A DIB at the reader's position. Palette colours (DIB_PAL_COLORS) come from
// the given logical palette. Supports 1, 4, 8, 16, 24 and 32 bits per pixel,
// RLE4/RLE8, bit fields, and embedded JPEG/PNG.
std::optional<Bitmap> decodeDib(ByteReader in, int colorUsage, const Palette *palette);

// A Bitmap16 (header and bits). Monochrome bitmaps come out black and white:
// a blit later maps black to the text colour and white to the background.
std::optional<Bitmap> decodeBitmap16(ByteReader in);

// Decodes bits laid out as in a Bitmap16 without its header (pattern brushes).
std::optional<Bitmap> decodeBitmap16Bits(ByteReader in, int width, int height, int widthBytes, int bitsPixel);

} // namespace wmf
