#include "toolkit/printerdevice.h"
#include "toolkit/picture.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <functional>
#include <optional>
#include <vector>

namespace {
constexpr double kTwipsPerInch = 1440.0;

// Qt's print engines cannot take back a job once painting has begun
// (QPrinter::abort() does nothing for the CUPS and PDF engines, and ending
// the painter still sends the page). So the page is collected as drawing
// steps and painted onto the printer only when the document ends: a routine
// that fails part-way leaves nothing behind.
class DevicePrinter : public PrinterSurface {
public:
    explicit DevicePrinter(std::unique_ptr<QPrinter> printer)
        : printer_(std::move(printer)), dpiX_(printer_->logicalDpiX()), dpiY_(printer_->logicalDpiY())
    {
        if (dpiX_ <= 0 || dpiY_ <= 0 || printer_->width() <= 0 || printer_->height() <= 0)
            throw PrintError("the printer reports no printable area");
    }

protected:
    QSizeF printableSizeTwips() override
    {
        return {printer_->width() * kTwipsPerInch / dpiX_, printer_->height() * kTwipsPerInch / dpiY_};
    }

    double measureTextWidth(const QString &text, const FontDesign &font) override
    {
        return metrics(font).horizontalAdvance(text) * kTwipsPerInch / dpiX_;
    }

    double measureLineHeight(const FontDesign &font) override
    {
        return metrics(font).height() * kTwipsPerInch / dpiY_;
    }

    void drawText(const QString &text, QPointF topLeft, const FontDesign &font, const QColor &colour) override
    {
        const QFont f = deviceFont(font);
        const QPointF baseline(toDeviceX(topLeft.x()), toDeviceY(topLeft.y()) + metrics(font).ascent());
        page_.push_back([f, baseline, text, colour](QPainter &painter) {
            painter.setFont(f);
            painter.setPen(colour);
            painter.drawText(baseline, text);
        });
    }

    void drawLine(QPointF from, QPointF to, int widthPixels, const QColor &colour) override
    {
        const QLineF deviceLine(toDevice(from), toDevice(to));
        page_.push_back([deviceLine, widthPixels, colour](QPainter &painter) {
            QPen pen(colour, std::max(1, widthPixels));
            pen.setCapStyle(Qt::SquareCap);
            painter.setPen(pen);
            painter.drawLine(deviceLine);
        });
    }

    void drawPicture(const Picture &picture, const QRectF &targetTwips) override
    {
        const QRectF target(toDevice(targetTwips.topLeft()), toDevice(targetTwips.bottomRight()));
        page_.push_back([picture, target](QPainter &painter) { picture.draw(painter, target); });
    }

    void finishDocument() override
    {
        QPainter painter;
        if (!painter.begin(printer_.get()))
            throw PrintError("the printer refused the job");
        try {
            for (const auto &step : page_)
                step(painter);
        } catch (...) {
            printer_->abort();
            throw PrintError("the page could not be drawn");
        }
        if (!painter.end() || printer_->printerState() == QPrinter::Error)
            throw PrintError("the printer could not take the page");
    }

private:
    QFont deviceFont(const FontDesign &design) const
    {
        QFont font(resolveFontFamily(design.name));
        font.setPointSizeF(design.points);
        font.setBold(design.bold);
        font.setItalic(design.italic);
        font.setUnderline(design.underline);
        // Unhinted outlines keep measured and printed widths the same at any resolution.
        font.setHintingPreference(QFont::PreferNoHinting);
        return font;
    }

    const QFontMetricsF &metrics(const FontDesign &design)
    {
        if (!metrics_ || design.name != metricsFont_.name || design.points != metricsFont_.points ||
            design.bold != metricsFont_.bold || design.italic != metricsFont_.italic) {
            metrics_.emplace(deviceFont(design), printer_.get());
            metricsFont_ = design;
        }
        return *metrics_;
    }

    double toDeviceX(double twips) const { return twips * dpiX_ / kTwipsPerInch; }
    double toDeviceY(double twips) const { return twips * dpiY_ / kTwipsPerInch; }
    QPointF toDevice(QPointF twips) const { return {toDeviceX(twips.x()), toDeviceY(twips.y())}; }

    std::unique_ptr<QPrinter> printer_;
    double dpiX_;
    double dpiY_;
    std::vector<std::function<void(QPainter &)>> page_;
    std::optional<QFontMetricsF> metrics_;
    FontDesign metricsFont_;
};
} // namespace

std::unique_ptr<PrinterSurface> openDefaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw PrintError("there is no default printer");
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printer->isValid())
        throw PrintError("the default printer cannot be used");
    printer->setDocName(QCoreApplication::applicationName());
    return std::make_unique<DevicePrinter>(std::move(printer));
}

std::unique_ptr<PrinterSurface> openPdfPrinter(const QString &path, const QPageSize &paper)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(paper);
    printer->setDocName(QCoreApplication::applicationName());
    return std::make_unique<DevicePrinter>(std::move(printer));
}
