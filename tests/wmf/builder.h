#pragma once
// Builds small Windows Metafiles record by record for the renderer's tests,
// and renders them onto images.
#include "wmf/wmf.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QtEndian>
#include <QVector>
#include <algorithm>
#include <initializer_list>

inline void appendWord(QByteArray &out, int value) { out.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF)); }
inline void appendDword(QByteArray &out, uint32_t v) { appendWord(out, int(v & 0xFFFF)), appendWord(out, int(v >> 16)); }
inline QByteArray words(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        appendWord(out, v);
    return out;
}
// Text padded to whole words, as records store it.
inline QByteArray padded(const QByteArray &text) { return text.size() % 2 ? text + '\0' : text; }
// A COLORREF as two words.
inline QByteArray colorRef(QRgb c) { return words({qRed(c) | (qGreen(c) << 8), qBlue(c)}); }

class WmfBuilder {
public:
    // Records take their parameters as 16-bit words, in file order.
    WmfBuilder &record(uint16_t function, std::initializer_list<int> params) { return record(function, words(params)); }
    WmfBuilder &record(uint16_t function, const QByteArray &params)
    {
        appendDword(records_, uint32_t(3 + (params.size() + 1) / 2));
        appendWord(records_, function);
        records_ += padded(params);
        return *this;
    }
    // A record whose size field claims more than the file holds.
    WmfBuilder &truncatedRecord(uint16_t function, std::initializer_list<int> params)
    {
        records_ += words({0xFFFF, 0x7FFF, function}) + words(params);
        return *this;
    }
    WmfBuilder &placeable(int left, int top, int right, int bottom, int unitsPerInch)
    {
        placeable_ = words({int(0xCDD7), int(0x9AC6), 0, left, top, right, bottom, unitsPerInch, 0, 0, 0});
        return *this;
    }
    WmfBuilder &mapMode(int mode) { return record(0x0103, {mode}); }
    WmfBuilder &windowOrg(int x, int y) { return record(0x020B, {y, x}); }
    WmfBuilder &windowExt(int x, int y) { return record(0x020C, {y, x}); }
    WmfBuilder &viewportOrg(int x, int y) { return record(0x020D, {y, x}); }
    WmfBuilder &viewportExt(int x, int y) { return record(0x020E, {y, x}); }
    WmfBuilder &brush(int style, QRgb color, int hatch = 0)
    {
        return record(0x02FC, words({style}) + colorRef(color) + words({hatch}));
    }
    WmfBuilder &pen(int style, int width, QRgb color) { return record(0x02FA, words({style, width, 0}) + colorRef(color)); }
    WmfBuilder &select(int index) { return record(0x012D, {index}); }
    WmfBuilder &deleteObject(int index) { return record(0x01F0, {index}); }
    WmfBuilder &rectangle(int left, int top, int right, int bottom) { return record(0x041B, {bottom, right, top, left}); }
    // Objects 0 and 1: a solid brush of the colour and no pen.
    WmfBuilder &fillWith(QRgb color) { return brush(0, color).select(0).pen(5, 0, 0).select(1); }
    WmfBuilder &bkMode(int mode) { return record(0x0102, {mode}); }
    WmfBuilder &textAlign(int align) { return record(0x012E, {align}); }
    WmfBuilder &font(int height, const QByteArray &face, int weight = 400, int escapement = 0)
    {
        return record(0x02FB, words({height, 0, escapement, escapement, weight, 0, 0, 0, 0}) + face.leftJustified(32, '\0'));
    }
    WmfBuilder &textOut(int x, int y, const QByteArray &text)
    {
        return record(0x0521, words({int(text.size())}) + padded(text) + words({y, x}));
    }
    WmfBuilder &extTextOut(int x, int y, const QByteArray &text, std::initializer_list<int> dx = {})
    {
        return record(0x0A32, words({y, x, int(text.size()), 0}) + padded(text) + words(dx));
    }
    WmfBuilder &intersectClip(int l, int t, int r, int b) { return record(0x0416, {b, r, t, l}); }
    WmfBuilder &excludeClip(int l, int t, int r, int b) { return record(0x0415, {b, r, t, l}); }
    WmfBuilder &saveDC() { return record(0x001E, {}); }
    WmfBuilder &restoreDC(int which = -1) { return record(0x0127, {which}); }
    // CREATEREGION with one scan per rectangle.
    WmfBuilder &region(const QVector<QRect> &rects)
    {
        QByteArray p = words({0, 6, 0, 0, 0, int(rects.size()), 0, 0, 0, 0, 0});
        for (const QRect &r : rects)
            p += words({2, r.top(), r.bottom() + 1, r.left(), r.right() + 1, 2});
        return record(0x06FF, p);
    }
    // Any bitmap record (BITBLT, STRETCHBLT, DIBBITBLT, DIBSTRETCHBLT, STRETCHDIB, SETDIBTODEV) copying
    // source, in the bitmap's pixels, to dest; the records without a source size copy dest's size.
    WmfBuilder &blit(uint16_t function, const QByteArray &bits, QRect source, QRect dest, uint32_t rop = 0x00CC0020)
    {
        QByteArray p;
        if (function != 0x0D33) // SETDIBTODEV alone has no raster operation
            appendDword(p, rop);
        if (function == 0x0F43 || function == 0x0D33) // colours: RGB
            p += words({0});
        if (function == 0x0D33) // the scan count (all of the DIB's rows) and the first scan
            p += words({qAbs(qFromLittleEndian<qint32>(bits.constData() + 8)), 0});
        if (function == 0x0B23 || function == 0x0B41 || function == 0x0F43) // stretched: the source has its own size
            p += words({source.height(), source.width()});
        p += words({source.top(), source.left(), dest.height(), dest.width(), dest.top(), dest.left()});
        return record(function, p + bits);
    }
    QByteArray bytes() const
    {
        QByteArray header = words({1, 9, 0x0300});
        appendDword(header, uint32_t(9 + 3 + records_.size() / 2));
        return placeable_ + header + words({16, 0, 0, 0}) + records_ + words({3, 0, 0}); // ends with META_EOF
    }

private:
    QByteArray placeable_;
    QByteArray records_;
};

// A 100 x 100 pixel picture (one unit per pixel).
inline WmfBuilder picture100() { return WmfBuilder().placeable(0, 0, 100, 100, 96); }

// A DIB whose pixels are given top row first; depths up to 8 bits get a
// palette of the colours used.
inline QByteArray makeDib(int bpp, int width, int height, const QVector<QRgb> &pixels, bool topDown = false)
{
    QVector<QRgb> palette;
    for (QRgb p : pixels)
        if (bpp <= 8 && !palette.contains(p))
            palette << p;
    palette.resize(bpp <= 8 ? 1 << bpp : 0);
    QByteArray out;
    // Header size, width, height (negative: top row first), one plane and the depth, no compression.
    for (uint32_t v : {40u, uint32_t(width), uint32_t(topDown ? -height : height), 1u | (uint32_t(bpp) << 16), 0u})
        appendDword(out, v);
    out += QByteArray(20, '\0');
    for (QRgb c : palette)
        out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
    const int stride = ((width * bpp + 31) / 32) * 4;
    for (int row = 0; row < height; ++row) {
        QByteArray line(stride, '\0');
        for (int x = 0; x < width; ++x) {
            const QRgb c = pixels[(topDown ? row : height - 1 - row) * width + x];
            const int index = int(palette.indexOf(c));
            if (bpp < 8)
                line[x * bpp / 8] = char(uchar(line[x * bpp / 8]) | (index << (8 - bpp - x * bpp % 8)));
            else if (bpp == 8)
                line[x] = char(index);
            else
                line.replace(x * bpp / 8, 3, QByteArray(1, char(qBlue(c))) + char(qGreen(c)) + char(qRed(c)));
        }
        out += line;
    }
    return out;
}

// A 32-bit Bitmap16 (pixels top row first); between holds what a pattern brush puts before the bits.
inline QByteArray bitmap16(int width, int height, const QVector<QRgb> &pixels, const QByteArray &between = {})
{
    QByteArray out = words({0, width, height, 4 * width}) + "\x01\x20" + between;
    for (QRgb c : pixels)
        out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
    return out;
}

inline QImage filled(QSize size, QColor color)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// Draws a metafile into a white image of the given size, filling it or into
// target, straight or through a QPicture (a device without raster
// operations, as printers are). Bytes that do not parse give a null image.
inline QImage renderMetafile(const QByteArray &bytes, QSize size, QRectF target = {}, bool throughPicture = false)
{
    const std::optional<wmf::Metafile> metafile = wmf::Metafile::parse(bytes);
    QImage image = filled(size, Qt::white);
    QPicture picture;
    QPainter painter(throughPicture ? static_cast<QPaintDevice *>(&picture) : &image);
    if (metafile)
        metafile->render(painter, target.isEmpty() ? QRectF(image.rect()) : target);
    painter.end();
    if (throughPicture)
        QPainter(&image).drawPicture(0, 0, picture);
    return metafile ? image : QImage();
}

inline bool near(QRgb a, QRgb b, int tolerance = 40)
{
    return std::max({qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))}) <= tolerance;
}

// The bounding box of pixels of (about) the given colour.
inline QRect boxOf(const QImage &image, QRgb color, int tolerance = 40)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (near(image.pixel(x, y), color, tolerance))
                box |= QRect(x, y, 1, 1);
    return box;
}
