// The old device-dependent bitmaps (Bitmap16) of BITBLT, STRETCHBLT and
// pattern brushes.
#include "wmf/dib.h"

namespace wmf {

std::optional<Bitmap> decodeBitmap16Bits(ByteReader in, int width, int height, int widthBytes, int bitsPixel)
{
    if (width <= 0 || height <= 0 || widthBytes <= 0 || int64_t(width) * height > maxBitmapPixels)
        return std::nullopt;
    if (bitsPixel != 1 && bitsPixel != 8 && bitsPixel != 24 && bitsPixel != 32)
        return std::nullopt;
    if (int64_t(widthBytes) * 8 < int64_t(width) * bitsPixel)
        return std::nullopt;
    if (uint64_t(widthBytes) * uint64_t(height) > in.remaining())
        return std::nullopt;
    const uint8_t *bits = in.bytes(size_t(widthBytes) * size_t(height));
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull() || !bits)
        return std::nullopt;
    for (int y = 0; y < height; ++y) {
        const uint8_t *row = bits + size_t(y) * size_t(widthBytes);
        QRgb *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            switch (bitsPixel) {
            case 1:
                out[x] = ((row[x >> 3] >> (7 - (x & 7))) & 1) ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
                break;
            case 8:
                out[x] = paletteColor(row[x], nullptr);
                break;
            case 24:
                out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
                break;
            default:
                out[x] = qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
                break;
            }
        }
    }
    return Bitmap{image, false, bitsPixel == 1};
}

std::optional<Bitmap> decodeBitmap16(ByteReader in)
{
    in.skip(2); // type
    const int width = in.i16();
    const int height = in.i16();
    const int widthBytes = in.i16();
    const int planes = in.u8();
    const int bitsPixel = in.u8();
    if (!in.ok() || planes != 1)
        return std::nullopt;
    return decodeBitmap16Bits(in.rest(), width, height, widthBytes, bitsPixel);
}

} // namespace wmf
