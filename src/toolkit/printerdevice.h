#pragma once
// Print jobs on real printers, through the print module loaded on the first
// print: the default printer, opened with no dialog at the printer's high
// resolution, and a PDF file with the same layout (for checking pages without
// paper). A missing print module fails as a missing printer does.
#include "toolkit/printer.h"

#include <QPageSize>

// The system's default printer. Throws PrintError when there is none.
std::unique_ptr<PrinterSurface> openDefaultPrinter();
// Loads the print module; throws as openDefaultPrinter() does when it cannot.
void prepareDefaultPrinter();
// A PDF file at path on paper of the given size, with the printer's usual margins.
std::unique_ptr<PrinterSurface> openPdfPrinter(const QString &path,
                                               const QPageSize &paper = QPageSize(QPageSize::A4));
