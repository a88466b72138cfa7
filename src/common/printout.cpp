#include "common/printout.h"

#include "toolkit/messagebox.h"

void printOnePage(const std::function<void(PrinterSurface &)> &drawPage, const QString &printedMessage)
{
    try {
        const std::unique_ptr<PrinterSurface> printer = openPrinter();
        drawPage(*printer);
        printer->endDoc();
    } catch (const PrintError &) {
        messageBox(printingProblemMessage);
        return;
    }
    if (!printedMessage.isEmpty())
        messageBox(printedMessage);
}

void centredLine(PrinterSurface &printer, const QString &text)
{
    printer.setCurrentX((printer.scaleWidth() - printer.textWidth(text)) / 2);
    printer.printLine(text);
}
