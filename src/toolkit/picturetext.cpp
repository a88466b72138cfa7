#include "toolkit/picturetext.h"
#include "toolkit/picture.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace {
struct TextRun {
    QPointF at; // baseline start, device pixels
    qreal width;
    QString text;
};

// Draws nothing; keeps each piece of text with where it went.
class TextCollector : public QPaintEngine {
public:
    TextCollector() : QPaintEngine(QPaintEngine::AllFeatures) {}
    std::vector<TextRun> runs;

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    Type type() const override { return User; }
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        const QTransform t = painter()->combinedTransform();
        runs.push_back({t.map(p), item.width() * t.m11(), item.text()});
    }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawImage(const QRectF &, const QImage &, const QRectF &, Qt::ImageConversionFlags) override {}
    void drawPath(const QPainterPath &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawLines(const QLineF *, int) override {}
    void drawRects(const QRectF *, int) override {}
    void drawEllipse(const QRectF &) override {}
    void drawPoints(const QPointF *, int) override {}
};

class TextDevice : public QPaintDevice {
public:
    explicit TextDevice(QSize size) : size_(size) {}
    QPaintEngine *paintEngine() const override { return &engine_; }
    TextCollector &collector() { return engine_; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return size_.width();
        case PdmHeight: return size_.height();
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 96;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return QPaintDevice::metric(m);
        }
    }

private:
    QSize size_;
    mutable TextCollector engine_;
};

// Runs on one baseline (within two pixels) make a line, read left to right;
// a gap between two runs reads as a space.
QString joinLines(std::vector<TextRun> runs)
{
    std::sort(runs.begin(), runs.end(), [](const TextRun &a, const TextRun &b) {
        return qAbs(a.at.y() - b.at.y()) > 2 ? a.at.y() < b.at.y() : a.at.x() < b.at.x();
    });
    QStringList lines;
    QString line;
    const TextRun *previous = nullptr;
    for (const TextRun &run : runs) {
        if (previous && qAbs(run.at.y() - previous->at.y()) > 2) {
            lines << line.simplified();
            line.clear();
        } else if (previous && run.at.x() > previous->at.x() + previous->width + 1) {
            line += QLatin1Char(' ');
        }
        line += run.text;
        previous = &run;
    }
    if (!line.isEmpty())
        lines << line.simplified();
    lines.removeAll(QString());
    return lines.join(QLatin1Char('\n'));
}
} // namespace

QString textOf(const Picture &picture)
{
    if (!picture.isMetafile())
        return QString();
    // Fifteen twips to the pixel, as on screen.
    const QSizeF twips = picture.sizeTwips();
    TextDevice device(QSize(qMax(1, int(twips.width() / 15)), qMax(1, int(twips.height() / 15))));
    {
        QPainter painter(&device);
        picture.draw(painter, QRectF(QPointF(0, 0), QSizeF(device.width(), device.height())));
    }
    return joinLines(device.collector().runs);
}
