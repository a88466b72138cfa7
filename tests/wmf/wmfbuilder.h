#pragma once
// Builds small Windows Metafiles record by record for the renderer's tests,
// and renders them onto an image.
#include "wmf/wmf.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QVector>
#include <QtEndian>
#include <initializer_list>

class WmfBuilder {
public:
    // Records take their parameters as 16-bit words, in file order.
    WmfBuilder &record(uint16_t function, std::initializer_list<int> words)
    {
        QByteArray params;
        for (int w : words)
            appendWord(params, w);
        return recordBytes(function, params);
    }
    WmfBuilder &recordBytes(uint16_t function, const QByteArray &params)
    {
        QByteArray padded = params;
        if (padded.size() % 2)
            padded.append('\0');
        appendDword(records_, uint32_t(3 + padded.size() / 2));
        appendWord(records_, function);
        records_ += padded;
        return *this;
    }
    // A record whose size field claims more than the file holds.
    WmfBuilder &overrunningRecord(uint16_t function, uint32_t claimedWords)
    {
        appendDword(records_, claimedWords);
        appendWord(records_, function);
        appendWord(records_, 0);
        truncated_ = true;
        return *this;
    }

    WmfBuilder &placeable(int left, int top, int right, int bottom, int unitsPerInch)
    {
        placeable_ = QByteArray();
        appendDword(placeable_, 0x9AC6CDD7);
        appendWord(placeable_, 0);
        for (int v : {left, top, right, bottom, unitsPerInch})
            appendWord(placeable_, v);
        appendDword(placeable_, 0);
        appendWord(placeable_, 0); // checksum (not checked)
        return *this;
    }

    WmfBuilder &mapMode(int mode) { return record(0x0103, {mode}); }
    WmfBuilder &windowOrg(int x, int y) { return record(0x020B, {y, x}); }
    WmfBuilder &windowExt(int x, int y) { return record(0x020C, {y, x}); }
    WmfBuilder &viewportOrg(int x, int y) { return record(0x020D, {y, x}); }
    WmfBuilder &viewportExt(int x, int y) { return record(0x020E, {y, x}); }
    WmfBuilder &brush(int style, QRgb color, int hatch = 0)
    {
        return record(0x02FC, {style, qRed(color) | (qGreen(color) << 8), qBlue(color), hatch});
    }
    WmfBuilder &solidBrush(QRgb color) { return brush(0, color); }
    WmfBuilder &nullBrush() { return brush(1, 0); }
    WmfBuilder &pen(int style, int width, QRgb color)
    {
        return record(0x02FA, {style, width, 0, qRed(color) | (qGreen(color) << 8), qBlue(color)});
    }
    WmfBuilder &nullPen() { return pen(5, 0, 0); }
    WmfBuilder &select(int index) { return record(0x012D, {index}); }
    WmfBuilder &deleteObject(int index) { return record(0x01F0, {index}); }
    WmfBuilder &rectangle(int left, int top, int right, int bottom)
    {
        return record(0x041B, {bottom, right, top, left});
    }
    WmfBuilder &textColor(QRgb color) { return record(0x0209, {qRed(color) | (qGreen(color) << 8), qBlue(color)}); }
    WmfBuilder &bkMode(int mode) { return record(0x0102, {mode}); }
    WmfBuilder &textAlign(int align) { return record(0x012E, {align}); }
    WmfBuilder &font(int height, int charset, const QByteArray &face, int weight = 400, int escapement = 0)
    {
        QByteArray p;
        for (int v : {height, 0, escapement, escapement, weight})
            appendWord(p, v);
        p.append(char(0)).append(char(0)).append(char(0)).append(char(charset));
        p.append(QByteArray(4, '\0'));
        p += face;
        p.append(QByteArray(32 - face.size(), '\0'));
        return recordBytes(0x02FB, p);
    }
    WmfBuilder &textOut(int x, int y, const QByteArray &text)
    {
        QByteArray p;
        appendWord(p, int(text.size()));
        p += text;
        if (text.size() % 2)
            p.append('\0');
        appendWord(p, y);
        appendWord(p, x);
        return recordBytes(0x0521, p);
    }
    WmfBuilder &extTextOut(int x, int y, const QByteArray &text, const QVector<int> &dx = {})
    {
        QByteArray p;
        appendWord(p, y);
        appendWord(p, x);
        appendWord(p, int(text.size()));
        appendWord(p, 0);
        p += text;
        if (text.size() % 2)
            p.append('\0');
        for (int d : dx)
            appendWord(p, d);
        return recordBytes(0x0A32, p);
    }
    WmfBuilder &intersectClip(int left, int top, int right, int bottom)
    {
        return record(0x0416, {bottom, right, top, left});
    }
    WmfBuilder &excludeClip(int left, int top, int right, int bottom)
    {
        return record(0x0415, {bottom, right, top, left});
    }
    WmfBuilder &saveDC() { return record(0x001E, {}); }
    WmfBuilder &restoreDC(int which = -1) { return record(0x0127, {which}); }
    // CREATEREGION with one scan per rectangle.
    WmfBuilder &region(const QVector<QRect> &rects)
    {
        QByteArray p;
        for (int v : {0, 6, 0, 0, 0, int(rects.size()), 0, 0, 0, 0, 0})
            appendWord(p, v);
        for (const QRect &r : rects) {
            for (int v : {2, r.top(), r.bottom() + 1, r.left(), r.right() + 1, 2})
                appendWord(p, v);
        }
        return recordBytes(0x06FF, p);
    }
    // STRETCHDIB (SRCCOPY unless told) of a whole DIB into a destination rectangle.
    WmfBuilder &stretchDib(const QByteArray &dib, int srcWidth, int srcHeight, QRect dest, uint32_t rop = 0x00CC0020)
    {
        QByteArray p;
        appendDword(p, rop);
        for (int v : {0, srcHeight, srcWidth, 0, 0, dest.height(), dest.width(), dest.top(), dest.left()})
            appendWord(p, v);
        return recordBytes(0x0F43, p + dib);
    }
    // DIBSTRETCHBLT of a whole DIB.
    WmfBuilder &dibStretchBlt(const QByteArray &dib, int srcWidth, int srcHeight, QRect dest, uint32_t rop)
    {
        QByteArray p;
        appendDword(p, rop);
        for (int v : {srcHeight, srcWidth, 0, 0, dest.height(), dest.width(), dest.top(), dest.left()})
            appendWord(p, v);
        return recordBytes(0x0B41, p + dib);
    }

    QByteArray bytes() const
    {
        QByteArray records = records_;
        if (!truncated_) {
            appendDword(records, 3);
            appendWord(records, 0); // META_EOF
        }
        QByteArray header;
        for (int v : {1, 9, 0x0300})
            appendWord(header, v);
        appendDword(header, uint32_t(9 + records.size() / 2));
        appendWord(header, 16); // objects
        appendDword(header, 0);
        appendWord(header, 0);
        return placeable_ + header + records;
    }

    static void appendWord(QByteArray &out, int value)
    {
        const uint16_t v = uint16_t(value);
        out.append(char(v & 0xFF)).append(char(v >> 8));
    }
    static void appendDword(QByteArray &out, uint32_t v)
    {
        appendWord(out, int(v & 0xFFFF));
        appendWord(out, int(v >> 16));
    }

private:
    QByteArray placeable_;
    QByteArray records_;
    bool truncated_ = false;
};

// A bottom-up (or top-down) DIB of the given depth whose pixels, given top row
// first, use at most the palette's colours for depths up to 8.
inline QByteArray makeDib(int bpp, int width, int height, const QVector<QRgb> &pixels, bool topDown = false)
{
    QVector<QRgb> palette;
    if (bpp <= 8) {
        for (QRgb p : pixels)
            if (!palette.contains(p))
                palette << p;
        while (palette.size() < (1 << bpp))
            palette << qRgb(0, 0, 0);
    }
    QByteArray out;
    WmfBuilder::appendDword(out, 40);
    WmfBuilder::appendDword(out, uint32_t(width));
    WmfBuilder::appendDword(out, uint32_t(topDown ? -height : height));
    WmfBuilder::appendWord(out, 1);
    WmfBuilder::appendWord(out, bpp);
    for (int i = 0; i < 6; ++i)
        WmfBuilder::appendDword(out, 0);
    for (QRgb c : palette)
        out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
    const int stride = ((width * bpp + 31) / 32) * 4;
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        QByteArray line(stride, '\0');
        for (int x = 0; x < width; ++x) {
            const QRgb c = pixels[y * width + x];
            const int index = int(palette.indexOf(c));
            switch (bpp) {
            case 1: line[x / 8] = char(uchar(line[x / 8]) | (index << (7 - x % 8))); break;
            case 4: line[x / 2] = char(uchar(line[x / 2]) | (x % 2 ? index : index << 4)); break;
            case 8: line[x] = char(index); break;
            case 24:
                line[3 * x] = char(qBlue(c));
                line[3 * x + 1] = char(qGreen(c));
                line[3 * x + 2] = char(qRed(c));
                break;
            default:
                line[4 * x] = char(qBlue(c));
                line[4 * x + 1] = char(qGreen(c));
                line[4 * x + 2] = char(qRed(c));
                break;
            }
        }
        out += line;
    }
    return out;
}

// Renders bytes that must parse into an image of the given size.
inline QImage renderMetafile(const QByteArray &bytes, QSize size, QColor background = Qt::white)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    const std::optional<wmf::Metafile> metafile = wmf::Metafile::parse(bytes);
    if (!metafile)
        return QImage();
    QPainter painter(&image);
    metafile->render(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

// The bounding box of pixels of (about) the given colour.
inline QRect boxOf(const QImage &image, QRgb color, int tolerance = 40)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAbs(qRed(p) - qRed(color)) <= tolerance && qAbs(qGreen(p) - qGreen(color)) <= tolerance &&
                qAbs(qBlue(p) - qBlue(color)) <= tolerance)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}
