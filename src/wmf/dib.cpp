#include "wmf/dib.h"

#include <QBuffer>
#include <QImageReader>
#include <algorithm>
#include <array>
#include <cstring>

namespace wmf {
namespace {

enum Compression { BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3, BI_JPEG = 4, BI_PNG = 5, BI_ALPHABITFIELDS = 6 };

struct InfoHeader {
    uint32_t size = 0;
    int64_t width = 0;
    int64_t height = 0; // negative: top row first
    int bitCount = 0;
    uint32_t compression = BI_RGB;
    uint32_t sizeImage = 0;
    uint32_t colorsUsed = 0;
    uint32_t masks[3] = {0, 0, 0};
    bool hasMasks = false;
};

bool readInfoHeader(ByteReader &in, InfoHeader &h)
{
    h.size = in.u32();
    if (!in.ok())
        return false;
    if (h.size == 12) { // BITMAPCOREHEADER
        h.width = in.u16();
        h.height = in.u16();
        in.skip(2);
        h.bitCount = in.u16();
        return in.ok();
    }
    if (h.size < 40 || h.size - 4 > in.remaining())
        return false;
    const size_t start = in.pos() - 4;
    h.width = in.i32();
    h.height = in.i32();
    in.skip(2); // planes
    h.bitCount = in.u16();
    h.compression = in.u32();
    h.sizeImage = in.u32();
    in.skip(8); // resolution
    h.colorsUsed = in.u32();
    in.skip(4); // important colours
    if (h.size >= 52) { // V2 and later carry the masks inside the header
        for (uint32_t &m : h.masks)
            m = in.u32();
        h.hasMasks = true;
    }
    in.seek(start + h.size);
    if ((h.compression == BI_BITFIELDS || h.compression == BI_ALPHABITFIELDS) && !h.hasMasks) {
        for (uint32_t &m : h.masks)
            m = in.u32();
        if (h.compression == BI_ALPHABITFIELDS)
            in.skip(4);
        h.hasMasks = true;
    }
    return in.ok();
}

// Extracts a channel under a bit mask, scaled to 0..255.
struct MaskChannel {
    uint32_t mask = 0;
    int shift = 0;
    uint64_t max = 0;
    explicit MaskChannel(uint32_t m) : mask(m)
    {
        if (!m)
            return;
        while (!((m >> shift) & 1))
            ++shift;
        max = m >> shift;
    }
    int value(uint32_t px) const { return max ? int(uint64_t((px & mask) >> shift) * 255 / max) : 0; }
};

QImage::Format rgbFormat() { return QImage::Format_RGB32; }

// RLE8 and RLE4 bits into an index buffer (bottom-up rows as stored). Out of
// range runs are clipped; running off the data ends decoding.
void decodeRle(ByteReader in, bool four, int width, int height, std::vector<uint8_t> &indices)
{
    int x = 0, y = 0;
    auto put = [&](uint8_t v) {
        if (x < width && y < height)
            indices[size_t(y) * size_t(width) + size_t(x)] = v;
        ++x;
    };
    while (in.has(2) && y < height) {
        const int count = in.u8();
        const int value = in.u8();
        if (count > 0) {
            for (int i = 0; i < count && x < width; ++i)
                put(four ? uint8_t((i & 1) ? (value & 0x0F) : (value >> 4)) : uint8_t(value));
            continue;
        }
        if (value == 0) { // end of line
            x = 0;
            ++y;
        } else if (value == 1) { // end of bitmap
            return;
        } else if (value == 2) { // delta
            x += in.u8();
            y += in.u8();
        } else { // absolute run of 'value' pixels, padded to a word
            const int n = value;
            const size_t bytes = four ? size_t((n + 1) / 2) : size_t(n);
            const uint8_t *p = in.bytes(bytes);
            if (!p)
                return;
            for (int i = 0; i < n; ++i)
                put(four ? uint8_t((i & 1) ? (p[i / 2] & 0x0F) : (p[i / 2] >> 4)) : p[i]);
            if (bytes & 1)
                in.skip(1);
        }
    }
}

std::optional<Bitmap> decodeEmbedded(ByteReader in, const InfoHeader &h)
{
    size_t length = h.sizeImage ? std::min<size_t>(h.sizeImage, in.remaining()) : in.remaining();
    const uint8_t *p = in.bytes(length);
    if (!p)
        return std::nullopt;
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char *>(p), qsizetype(length));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, h.compression == BI_PNG ? "png" : "jpeg");
    reader.setAllocationLimit(int(maxBitmapPixels * 4 / (1024 * 1024)));
    const QSize size = reader.size();
    if (!size.isValid() || int64_t(size.width()) * size.height() > maxBitmapPixels)
        return std::nullopt;
    QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return Bitmap{image.convertToFormat(rgbFormat()), false, false};
}

using ColorTable = std::array<QRgb, 256>;

// Sizes, depth and compression we can decode, with memory bounded.
bool decodable(const InfoHeader &h)
{
    const int64_t height = h.height < 0 ? -h.height : h.height;
    if (h.width <= 0 || height <= 0 || h.width > 65535 || height > 65535 || h.width * height > maxBitmapPixels)
        return false;
    const int bpp = h.bitCount;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        return false;
    if (h.compression == BI_RLE8 || h.compression == BI_RLE4)
        return h.height > 0 && bpp == (h.compression == BI_RLE8 ? 8 : 4);
    return h.compression == BI_RGB || h.compression == BI_BITFIELDS || h.compression == BI_ALPHABITFIELDS;
}

// The colour table. Stored entries may outnumber those the depth can
// address; those are read past.
std::optional<ColorTable> readColorTable(ByteReader &in, const InfoHeader &h, int colorUsage, const Palette *palette)
{
    const bool core = h.size == 12;
    const uint64_t stored = h.colorsUsed ? h.colorsUsed : (h.bitCount <= 8 ? (1u << h.bitCount) : 0);
    const size_t entrySize = colorUsage == DIB_PAL_COLORS ? 2 : (core ? 3 : 4);
    if (stored > in.remaining() / entrySize)
        return std::nullopt;
    ColorTable table;
    table.fill(qRgb(0, 0, 0));
    for (uint64_t i = 0; i < stored; ++i) {
        QRgb c;
        if (colorUsage == DIB_PAL_COLORS) {
            c = paletteColor(in.u16(), palette);
        } else {
            const int b = in.u8(), g = in.u8(), r = in.u8();
            if (!core)
                in.skip(1);
            c = qRgb(r, g, b);
        }
        if (i < 256)
            table[i] = c;
    }
    return table;
}

std::optional<Bitmap> decodeRleBitmap(ByteReader in, const InfoHeader &h, const ColorTable &table)
{
    const int w = int(h.width), ht = int(h.height);
    // Every two bytes can paint at most 255 pixels, which bounds what a
    // small record may claim.
    if (uint64_t(w) * uint64_t(ht) > uint64_t(in.remaining()) * 256 + 65536)
        return std::nullopt;
    std::vector<uint8_t> indices(size_t(w) * size_t(ht), 0);
    decodeRle(in.rest(), h.compression == BI_RLE4, w, ht, indices);
    QImage image(w, ht, rgbFormat());
    if (image.isNull())
        return std::nullopt;
    for (int y = 0; y < ht; ++y) {
        QRgb *out = reinterpret_cast<QRgb *>(image.scanLine(ht - 1 - y));
        const uint8_t *src = indices.data() + size_t(y) * size_t(w);
        for (int x = 0; x < w; ++x)
            out[x] = table[src[x]];
    }
    return Bitmap{image, true, false};
}

// How one row of uncompressed bits turns into pixels.
struct RowFormat {
    int bpp = 0;
    bool masked = false; // bit fields rather than plain RGB
    const ColorTable *table = nullptr;
    MaskChannel red, green, blue;
};

uint32_t littleEndian(const uint8_t *p, int bytes)
{
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

void decodeRow(const uint8_t *row, QRgb *out, int w, const RowFormat &f)
{
    const ColorTable &table = *f.table;
    switch (f.bpp) {
    case 1:
        for (int x = 0; x < w; ++x)
            out[x] = table[(row[x >> 3] >> (7 - (x & 7))) & 1];
        return;
    case 4:
        for (int x = 0; x < w; ++x)
            out[x] = table[(x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4)];
        return;
    case 8:
        for (int x = 0; x < w; ++x)
            out[x] = table[row[x]];
        return;
    case 24:
        for (int x = 0; x < w; ++x)
            out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
        return;
    }
    const int bytes = f.bpp / 8;
    if (bytes == 4 && !f.masked) {
        for (int x = 0; x < w; ++x)
            out[x] = qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
        return;
    }
    for (int x = 0; x < w; ++x) {
        const uint32_t px = littleEndian(row + bytes * x, bytes);
        out[x] = qRgb(f.red.value(px), f.green.value(px), f.blue.value(px));
    }
}

std::optional<Bitmap> decodeUncompressed(ByteReader in, const InfoHeader &h, const ColorTable &table)
{
    const int w = int(h.width), ht = int(h.height < 0 ? -h.height : h.height);
    const size_t stride = size_t(((h.width * h.bitCount + 31) / 32) * 4);
    if (uint64_t(stride) * uint64_t(ht) > in.remaining())
        return std::nullopt;
    const uint8_t *bits = in.bytes(stride * size_t(ht));
    QImage image(w, ht, rgbFormat());
    if (image.isNull() || !bits)
        return std::nullopt;
    static const uint32_t defaultMasks16[3] = {0x7C00, 0x03E0, 0x001F};
    static const uint32_t defaultMasks32[3] = {0xFF0000, 0x00FF00, 0x0000FF};
    const bool masked = h.compression != BI_RGB;
    const uint32_t *masks = masked ? h.masks : (h.bitCount == 16 ? defaultMasks16 : defaultMasks32);
    const RowFormat format{h.bitCount, masked, &table, MaskChannel(masks[0]), MaskChannel(masks[1]), MaskChannel(masks[2])};
    const bool bottomUp = h.height > 0;
    for (int y = 0; y < ht; ++y)
        decodeRow(bits + size_t(y) * stride, reinterpret_cast<QRgb *>(image.scanLine(bottomUp ? ht - 1 - y : y)), w, format);
    return Bitmap{image, bottomUp, h.bitCount == 1};
}

} // namespace

std::optional<Bitmap> decodeDib(ByteReader in, int colorUsage, const Palette *palette)
{
    InfoHeader h;
    if (!readInfoHeader(in, h))
        return std::nullopt;
    if (h.compression == BI_JPEG || h.compression == BI_PNG)
        return decodeEmbedded(in, h);
    if (!decodable(h))
        return std::nullopt;
    const std::optional<ColorTable> table = readColorTable(in, h, colorUsage, palette);
    if (!table)
        return std::nullopt;
    if (h.compression == BI_RLE8 || h.compression == BI_RLE4)
        return decodeRleBitmap(in, h, *table);
    return decodeUncompressed(in, h, *table);
}

} // namespace wmf
