#pragma once
// A printer for tests: it keeps every page that reaches it as the marks
// drawn on it, measures with simple predictable metrics, and can be told to
// fail at any step the way a real printer fails (or with an error that is
// not a printing error at all).
#include "toolkit/printer.h"

#include <QStringList>

struct PrintRecord {
    // The printable area every job reports, in twips.
    QSizeF printableSize{11520, 15840};
    // Every page that reached the printer, in order, as its marks in the
    // order they were drawn (positions in twips, colours as #rrggbb):
    //   text     "x,y Font Name 36 #ff0000 the text" ("bold", "underline" before the size when so)
    //   line     "line x1,y1 x2,y2 2px #000000"
    //   picture  "picture x,y WxH"
    // Text of nothing but spaces leaves no mark.
    QList<QStringList> pages;
    // Print jobs opened, whether their page reached the printer or not.
    int jobs = 0;

    // Opening a job fails: no printer is installed.
    bool noPrinter = false;
    // The first step that starts with this text fails: "Open", a mark, or "EndDoc".
    QString failOn;
    // That failure is an unexpected error rather than a PrintError.
    bool failUnexpectedly = false;

    // Text width: 10 twips per character per point; line height: 23 twips per point.
    static double textWidth(const QString &text, double points) { return text.size() * points * 10; }
    static double lineHeight(double points) { return points * 23; }
};

// A factory for setPrinterFactory() that opens recording printers writing into record.
PrinterFactory recordingPrinterFactory(std::shared_ptr<PrintRecord> record);
