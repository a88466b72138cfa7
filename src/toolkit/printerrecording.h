#pragma once
// A printer for tests: it keeps every operation of every job as a line of
// text, measures with simple predictable metrics, and can be told to fail at
// any operation the way a real printer fails (or with an error that is not a
// printing error at all).
#include "toolkit/printer.h"

#include <QStringList>

struct PrintRecord {
    // The printable area every job reports, in twips.
    QSizeF printableSize{11520, 15840};
    // Every operation in order, jobs one after another: "Open", then the
    // surface's own lines ("FontSize 25", "Print \"x\" at 0,575", ...),
    // then "EndDoc" or, for a job dropped before its end, "Abort".
    QStringList operations;

    // Opening a job fails: no printer is installed.
    bool noPrinter = false;
    // The first operation that starts with this text fails ("Open" included).
    QString failOn;
    // That failure is an unexpected error rather than a PrintError.
    bool failUnexpectedly = false;

    // Text width: 10 twips per character per point; line height: 23 twips per point.
    static double textWidth(const QString &text, double points) { return text.size() * points * 10; }
    static double lineHeight(double points) { return points * 23; }
};

// A factory for setPrinterFactory() that opens recording printers writing into record.
PrinterFactory recordingPrinterFactory(std::shared_ptr<PrintRecord> record);
