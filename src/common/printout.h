#pragma once
// What the printouts (certificate, worksheet, viewer page) share: one page
// sent to the default printer, the one message a printing failure gives, and
// lines centred across the page.
#include "toolkit/printer.h"

#include <functional>

inline const QString printingProblemMessage = QStringLiteral("There was a problem printing to your printer.");

// Draws one page on the default printer and ends the document. Any printing
// failure drops the page and says printingProblemMessage; otherwise
// printedMessage, when there is one, says the page is on its way. Anything
// but a printing failure reaches the caller.
void printOnePage(const std::function<void(PrinterSurface &)> &drawPage, const QString &printedMessage = {});

// Prints text centred across the printable width, then ends the line.
void centredLine(PrinterSurface &printer, const QString &text);
