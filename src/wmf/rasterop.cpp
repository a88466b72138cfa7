#include "wmf/rasterop.h"

namespace wmf {

std::optional<QPainter::CompositionMode> compositionForRop(uint32_t rop)
{
    switch (rop) {
    case SRCCOPY: return QPainter::CompositionMode_Source;
    case SRCAND: return QPainter::RasterOp_SourceAndDestination;
    case SRCPAINT: return QPainter::RasterOp_SourceOrDestination;
    case SRCINVERT: return QPainter::RasterOp_SourceXorDestination;
    case SRCERASE: return QPainter::RasterOp_SourceAndNotDestination;
    case NOTSRCERASE: return QPainter::RasterOp_NotSourceAndNotDestination;
    case MERGEPAINT: return QPainter::RasterOp_NotSourceOrDestination;
    case NOTSRCCOPY: return QPainter::RasterOp_NotSource;
    default: return std::nullopt;
    }
}

QImage transparentWhere(const QImage &image, QRgb key)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    key &= 0x00FFFFFF;
    for (int y = 0; y < out.height(); ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((row[x] & 0x00FFFFFF) == key)
                row[x] = 0;
    }
    return out;
}

QImage combineMaskAndImage(const QImage &mask, const QImage &image)
{
    const QImage m = mask.size() == image.size() ? mask.convertToFormat(QImage::Format_RGB32)
                                                 : mask.convertToFormat(QImage::Format_RGB32).scaled(image.size());
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        const QRgb *mrow = reinterpret_cast<const QRgb *>(m.constScanLine(y));
        QRgb *row = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const bool see = qGray(mrow[x]) > 127;
            if (see && (row[x] & 0x00FFFFFF) == 0)
                row[x] = 0;
            else
                row[x] |= 0xFF000000;
        }
    }
    return out;
}

QImage inverted(const QImage &image)
{
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    out.invertPixels();
    return out;
}

QImage inTwoColours(const QImage &image, QRgb ink, QRgb paper)
{
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            row[x] = qRed(row[x]) > 127 ? paper : ink;
    }
    return out;
}

QImage multiplied(const QImage &image, QRgb color)
{
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            row[x] = qRgb(qRed(row[x]) * qRed(color) / 255, qGreen(row[x]) * qGreen(color) / 255,
                          qBlue(row[x]) * qBlue(color) / 255);
    }
    return out;
}

} // namespace wmf
