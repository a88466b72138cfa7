#include "toolkit/captiondraw.h"
#include "toolkit/fonts.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>
#include <QTextItem>

namespace {
// Qt's raster engine draws glyphs of this many pixels and more from their outlines.
constexpr int kOutlinedGlyphPixels = 64;

// A paint device that draws nothing and keeps the outlines of the text
// drawn on it, each run where Qt's own text layout put it.
class OutlineSheet : public QPaintDevice {
public:
    explicit OutlineSheet(QSize size) : size_(size) {}
    QPaintEngine *paintEngine() const override { return &engine_; }
    const QPainterPath &outlines() const { return engine_.outlines; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return size_.width();
        case PdmHeight: return size_.height();
        case PdmWidthMM: return size_.width() * 254 / 960;
        case PdmHeightMM: return size_.height() * 254 / 960;
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return 96; // the dots-per-inch metrics
        }
    }

private:
    class Recorder : public QPaintEngine {
    public:
        QPainterPath outlines;
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override {}
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawTextItem(const QPointF &baseline, const QTextItem &item) override
        {
            outlines.addText(baseline, item.font(), item.text());
        }
        Type type() const override { return User; }
    };

    QSize size_;
    mutable Recorder engine_;
};

QImage renderCaption(QSize size, qreal pixelRatio, int flags, const QString &text, const QFont &font,
                     const QColor &colour)
{
    QImage image((QSizeF(size) * pixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const QRect area(QPoint(0, 0), size);
    if (!boldIsDrawn(font)) {
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(area, flags, text);
        return image;
    }
    OutlineSheet sheet(size);
    QPainter layout(&sheet);
    layout.setFont(font);
    layout.drawText(area, flags, text);
    layout.end();
    QPainterPath outlines = sheet.outlines();
    outlines.setFillRule(Qt::WindingFill);
    // FreeType's thickening: a 24th of the em, half on either side of each stroke.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, font.pixelSize() / 24.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(colour);
    painter.drawPath(outlines);
    return image;
}
} // namespace

void drawCaption(QPainter &painter, const QRect &area, int flags, const QString &text, const QFont &font,
                 const QColor &colour)
{
    const qreal pixelRatio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    if (text.isEmpty() || font.pixelSize() * pixelRatio < kOutlinedGlyphPixels) {
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(area, flags, text);
        return;
    }
    const QString key = QStringLiteral("caption|%1|%2|%3|%4x%5@%6|")
                            .arg(font.key())
                            .arg(colour.rgba())
                            .arg(flags)
                            .arg(area.width())
                            .arg(area.height())
                            .arg(pixelRatio) +
                        text;
    QPixmap image;
    if (!QPixmapCache::find(key, &image)) {
        image = QPixmap::fromImage(renderCaption(area.size(), pixelRatio, flags, text, font, colour));
        QPixmapCache::insert(key, image);
    }
    painter.drawPixmap(area.topLeft(), image);
}
