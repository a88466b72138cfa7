#include "quiz/worksheetprint.h"

#include "common/module1.h"
#include "common/printout.h"
#include "toolkit/numbertext.h"

namespace {
// The header line: the product title and the publisher, 57 spaces apart.
QString worksheetHeaderLine()
{
    return QStringLiteral("Velmora") + QString(57, QLatin1Char(' ')) + QStringLiteral("Quorvane Publishing Ltd");
}

// Two answers on one line: the first at a third of the width, the second at two thirds.
void answerLine(PrinterSurface &printer, const QString &first, const QString &second)
{
    printer.setCurrentX(2 * printer.scaleWidth() / 6);
    printer.print(first);
    printer.setCurrentX(4 * printer.scaleWidth() / 6);
    printer.printLine(second);
}

void drawWorksheet(PrinterSurface &printer, const QString &subject, const QString &title)
{
    printer.setFontSize(16);
    printer.setFontName(QStringLiteral("Times New Roman"));
    printer.setCurrentX(printer.scaleWidth() / 8);
    printer.blankLine();
    printer.setCurrentX(printer.scaleWidth() / 16);
    printer.print(worksheetHeaderLine());
    printer.blankLine();
    printer.blankLine();

    printer.setFontSize(32);
    centredLine(printer, subject);
    centredLine(printer, title);
    printer.blankLine();

    printer.setFontSize(12);
    for (int k = 1; k <= questionsPerSet; ++k) {
        printer.setCurrentX(printer.scaleWidth() / 16);
        printer.printLine(QStringLiteral("Question") + numberWithSignPlace(k) + QStringLiteral("    ") +
                          Module1.questionText[k]);
        answerLine(printer, QStringLiteral("A. ") + Module1.answerA[k], QStringLiteral("B. ") + Module1.answerB[k]);
        answerLine(printer, QStringLiteral("C. ") + Module1.answerC[k], QStringLiteral("D. ") + Module1.answerD[k]);
        printer.blankLine();
    }
}
} // namespace

void printWorksheet(const QString &subject, const QString &title)
{
    printOnePage([&](PrinterSurface &printer) { drawWorksheet(printer, subject, title); },
                 QStringLiteral("Your worksheet is now printing."));
}
