#include "toolkit/printerdevice.h"
#include "toolkit/backendmodule.h"
#include "toolkit/picture.h"
#include "toolkit/printjob.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <functional>
#include <optional>
#include <vector>

namespace {
constexpr double kTwipsPerInch = 1440.0;

const QString kPrintModule = QStringLiteral("velmora-print");

// Qt's print engines cannot take back a job once painting has begun
// (QPrinter::abort() does nothing for the CUPS and PDF engines, and ending
// the painter still sends the page). So the page is collected as drawing
// steps and painted onto the printer only when the document ends: a routine
// that fails part-way leaves nothing behind.
class DevicePrinter : public PrinterSurface {
public:
    explicit DevicePrinter(std::unique_ptr<PrintJob> job)
        : job_(std::move(job)), printer_(job_->page()), dpiX_(printer_->logicalDpiX()), dpiY_(printer_->logicalDpiY())
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
        if (!painter.begin(printer_))
            throw PrintError("the printer refused the job");
        try {
            for (const auto &step : page_)
                step(painter);
        } catch (...) {
            job_->abort();
            throw PrintError("the page could not be drawn");
        }
        if (!painter.end() || job_->failed())
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
            metrics_.emplace(deviceFont(design), printer_);
            metricsFont_ = design;
        }
        return *metrics_;
    }

    double toDeviceX(double twips) const { return twips * dpiX_ / kTwipsPerInch; }
    double toDeviceY(double twips) const { return twips * dpiY_ / kTwipsPerInch; }
    QPointF toDevice(QPointF twips) const { return {toDeviceX(twips.x()), toDeviceY(twips.y())}; }

    std::unique_ptr<PrintJob> job_;
    QPaintDevice *printer_;
    double dpiX_;
    double dpiY_;
    std::vector<std::function<void(QPainter &)>> page_;
    std::optional<QFontMetricsF> metrics_;
    FontDesign metricsFont_;
};

// A job from the print module's entry point, or a PrintError saying why
// there is none (no printer, or no print module at all).
template <class Entry, class... Args>
std::unique_ptr<PrinterSurface> openJob(const char *entryName, Args &&...args)
{
    ModuleFailure failure;
    const auto open = reinterpret_cast<Entry>(moduleEntry(kPrintModule, entryName, &failure));
    if (!open && !failure.lookedIn.isEmpty())
        throw PrintModuleMissing(kPrintModule, failure.lookedIn);
    QString error = failure.reason;
    std::unique_ptr<PrintJob> job(open ? open(std::forward<Args>(args)..., &error) : nullptr);
    if (!job)
        throw PrintError(error.toStdString());
    return std::make_unique<DevicePrinter>(std::move(job));
}
} // namespace

void prepareDefaultPrinter()
{
    ModuleFailure failure;
    if (moduleEntry(kPrintModule, kOpenDefaultPrintJob, &failure))
        return;
    if (!failure.lookedIn.isEmpty())
        throw PrintModuleMissing(kPrintModule, failure.lookedIn);
    throw PrintError(failure.reason.toStdString());
}

std::unique_ptr<PrinterSurface> openDefaultPrinter()
{
    return openJob<OpenDefaultPrintJob>(kOpenDefaultPrintJob, QCoreApplication::applicationName());
}

std::unique_ptr<PrinterSurface> openPdfPrinter(const QString &path, const QPageSize &paper)
{
    return openJob<OpenPdfPrintJob>(kOpenPdfPrintJob, path, paper, QCoreApplication::applicationName());
}
