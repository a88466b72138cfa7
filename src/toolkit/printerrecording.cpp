#include "toolkit/printerrecording.h"
#include "toolkit/picture.h"

#include <cmath>

namespace {
// Whole twips plainly, fractions with at most two decimals.
QString number(double value)
{
    if (value == std::floor(value) && std::abs(value) < 1e12)
        return QString::number(static_cast<long long>(value));
    QString text = QString::number(value, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    return text;
}

QString point(QPointF p) { return number(p.x()) + QLatin1Char(',') + number(p.y()); }

void failIfAsked(PrintRecord &record, const QString &step)
{
    if (record.failOn.isEmpty() || !step.startsWith(record.failOn))
        return;
    record.failOn.clear(); // one failure per request, as a printer that jams once
    if (record.failUnexpectedly)
        throw std::logic_error("unexpected failure at " + step.toStdString());
    throw PrintError("printer failure at " + step.toStdString());
}

class RecordingPrinter : public PrinterSurface {
public:
    explicit RecordingPrinter(std::shared_ptr<PrintRecord> record) : record_(std::move(record)) {}

protected:
    QSizeF printableSizeTwips() override { return record_->printableSize; }
    double measureTextWidth(const QString &text, const FontDesign &font) override
    {
        return PrintRecord::textWidth(text, font.points);
    }
    double measureLineHeight(const FontDesign &font) override { return PrintRecord::lineHeight(font.points); }

    void drawText(const QString &text, QPointF topLeft, const FontDesign &font, const QColor &colour) override
    {
        if (!text.trimmed().isEmpty())
            mark(point(topLeft) + QLatin1Char(' ') + font.name + (font.bold ? QStringLiteral(" bold ") : QStringLiteral(" ")) +
                 (font.underline ? QStringLiteral("underline ") : QString()) + number(font.points) + QLatin1Char(' ') +
                 colour.name() + QLatin1Char(' ') + text);
    }
    void drawLine(QPointF from, QPointF to, int widthPixels, const QColor &colour) override
    {
        mark(QStringLiteral("line %1 %2 %3px %4").arg(point(from), point(to)).arg(widthPixels).arg(colour.name()));
    }
    void drawPicture(const Picture &, const QRectF &target) override
    {
        mark(QStringLiteral("picture %1 %2x%3")
                 .arg(point(target.topLeft()), number(target.width()), number(target.height())));
    }
    void finishDocument() override
    {
        failIfAsked(*record_, QStringLiteral("EndDoc"));
        record_->pages << page_;
    }

private:
    void mark(const QString &item)
    {
        failIfAsked(*record_, item);
        page_ << item;
    }

    std::shared_ptr<PrintRecord> record_;
    QStringList page_;
};
} // namespace

PrinterFactory recordingPrinterFactory(std::shared_ptr<PrintRecord> record)
{
    return [record]() -> std::unique_ptr<PrinterSurface> {
        ++record->jobs;
        if (record->noPrinter)
            throw PrintError("there is no default printer");
        failIfAsked(*record, QStringLiteral("Open"));
        return std::make_unique<RecordingPrinter>(record);
    };
}
