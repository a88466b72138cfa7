#pragma once
// What the print module (velmora-print) gives the toolkit: a print job with
// a page to paint on, for the default printer or for a PDF file. The module
// holds the platform's printing (Qt Print Support and the print system
// behind it) and is loaded on the first print; all layout and drawing stay
// in the toolkit (printerdevice.cpp). This header is all the module shares
// with the toolkit.
#include <QPageSize>
#include <QString>

class QPaintDevice;

class PrintJob {
public:
    virtual ~PrintJob() = default;
    // The page, at the printer's resolution. A painter begun on it and
    // ended sends the page.
    virtual QPaintDevice *page() = 0;
    // Whether the print system refused the page the painter sent.
    virtual bool failed() const = 0;
    // Gives up the job, as far as the print system allows.
    virtual void abort() = 0;
};

// The module's entry points, looked up by these names. Each returns a new
// job for the caller to delete, or null with the reason in *error.
inline constexpr char kOpenDefaultPrintJob[] = "velmoraOpenDefaultPrintJob";
using OpenDefaultPrintJob = PrintJob *(*)(const QString &documentName, QString *error);
inline constexpr char kOpenPdfPrintJob[] = "velmoraOpenPdfPrintJob";
using OpenPdfPrintJob = PrintJob *(*)(const QString &path, const QPageSize &paper, const QString &documentName,
                                      QString *error);
