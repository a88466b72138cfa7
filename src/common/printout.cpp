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

// What went wrong in a step of printing, for the pupil or teacher; empty when nothing did.
QString problemOf(const std::function<void()> &step)
{
    try {
        step();
    } catch (const PrintModuleMissing &missing) {
        return moduleMissingText(missing);
    } catch (const PrintError &) {
        return printingProblemMessage;
    }
    return {};
}
} // namespace

// The print system may take its time (a printer on the network): the page
// is drawn and sent away from the screens, which keep painting meanwhile.
// The printing part is loaded before, here: under Wine, one found missing
// on a worker thread kept the program from ending.
void printOnePage(const std::function<void(PrinterSurface &)> &drawPage, const QString &printedMessage)
{
    QString problem = problemOf(preparePrinter);
    if (problem.isEmpty())
        runWhileBusy([&] {
            problem = problemOf([&] {
                const std::unique_ptr<PrinterSurface> printer = openPrinter();
                drawPage(*printer);
                printer->endDoc();
            });
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
