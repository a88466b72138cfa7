// The print module: print jobs on Qt's printers, the system's default
// printer with no dialog at its high resolution, or a PDF file.
#include "toolkit/printjob.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

namespace {
class QtPrintJob : public PrintJob {
public:
    explicit QtPrintJob(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}
    QPaintDevice *page() override { return printer_.get(); }
    bool failed() const override { return printer_->printerState() == QPrinter::Error; }
    void abort() override { printer_->abort(); }

private:
    std::unique_ptr<QPrinter> printer_;
};
} // namespace

extern "C" Q_DECL_EXPORT PrintJob *velmoraOpenDefaultPrintJob(const QString &documentName, QString *error)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        *error = QStringLiteral("there is no default printer");
        return nullptr;
    }
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printer->isValid()) {
        *error = QStringLiteral("the default printer cannot be used");
        return nullptr;
    }
    printer->setDocName(documentName);
    return new QtPrintJob(std::move(printer));
}

extern "C" Q_DECL_EXPORT PrintJob *velmoraOpenPdfPrintJob(const QString &path, const QPageSize &paper,
                                                           const QString &documentName, QString *)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(paper);
    printer->setDocName(documentName);
    return new QtPrintJob(std::move(printer));
}

// The entry points keep the types the toolkit looks them up by.
static_assert(std::is_same_v<decltype(&velmoraOpenDefaultPrintJob), OpenDefaultPrintJob>);
static_assert(std::is_same_v<decltype(&velmoraOpenPdfPrintJob), OpenPdfPrintJob>);
