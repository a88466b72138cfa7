#include "common/printout.h"

#include "toolkit/messagebox.h"
#include "toolkit/whilebusy.h"

namespace {
QString moduleMissingText(const PrintModuleMissing &missing)
{
    return printingProblemMessage + QStringLiteral("\n\nVelmora's printing part, ") + missing.module
        + QStringLiteral(", is missing: it was looked for in ") + missing.lookedIn.join(QStringLiteral(" and "))
        + QStringLiteral(". Please ask whoever looks after this computer to install Velmora again.");
}
} // namespace

// The print system may take its time (a printer on the network): the page
// is drawn and sent away from the screens, which keep painting meanwhile.
void printOnePage(const std::function<void(PrinterSurface &)> &drawPage, const QString &printedMessage)
{
    QString problem;
    runWhileBusy([&] {
        try {
            const std::unique_ptr<PrinterSurface> printer = openPrinter();
            drawPage(*printer);
            printer->endDoc();
        } catch (const PrintModuleMissing &missing) {
            problem = moduleMissingText(missing);
        } catch (const PrintError &) {
            problem = printingProblemMessage;
        }
    });
    if (!problem.isEmpty())
        messageBox(problem);
    else if (!printedMessage.isEmpty())
        messageBox(printedMessage);
}

void centredLine(PrinterSurface &printer, const QString &text)
{
    printer.setCurrentX((printer.scaleWidth() - printer.textWidth(text)) / 2);
    printer.printLine(text);
}
