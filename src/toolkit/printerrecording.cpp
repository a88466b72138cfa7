#include "toolkit/printerrecording.h"
#include "toolkit/picture.h"

namespace {
void failIfAsked(PrintRecord &record, const QString &operation)
{
    if (record.failOn.isEmpty() || !operation.startsWith(record.failOn))
        return;
    record.failOn.clear(); // one failure per request, as a printer that jams once
    if (record.failUnexpectedly)
        throw std::logic_error("unexpected failure at " + operation.toStdString());
    throw PrintError("printer failure at " + operation.toStdString());
}

class RecordingPrinter : public PrinterSurface {
public:
    explicit RecordingPrinter(std::shared_ptr<PrintRecord> record) : record_(std::move(record)) {}

    ~RecordingPrinter() override
    {
        if (!ended())
            record_->operations << QStringLiteral("Abort");
    }

protected:
    QSizeF printableSizeTwips() override { return record_->printableSize; }
    double measureTextWidth(const QString &text, const FontDesign &font) override
    {
        return PrintRecord::textWidth(text, font.points);
    }
    double measureLineHeight(const FontDesign &font) override { return PrintRecord::lineHeight(font.points); }
    void drawText(const QString &, QPointF, const FontDesign &, const QColor &) override {}
    void drawLine(QPointF, QPointF, int, const QColor &) override {}
    void drawPicture(const Picture &, const QRectF &) override {}
    void finishDocument() override {}

    void trace(const QString &operation) override
    {
        record_->operations << operation;
        failIfAsked(*record_, operation);
    }

private:
    std::shared_ptr<PrintRecord> record_;
};
} // namespace

PrinterFactory recordingPrinterFactory(std::shared_ptr<PrintRecord> record)
{
    return [record]() -> std::unique_ptr<PrinterSurface> {
        record->operations << QStringLiteral("Open");
        if (record->noPrinter)
            throw PrintError("there is no default printer");
        failIfAsked(*record, QStringLiteral("Open"));
        return std::make_unique<RecordingPrinter>(record);
    };
}
