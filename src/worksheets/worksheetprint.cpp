#include "worksheets/worksheetprint.h"

#include "quiz/multiple.h"
#include "shell/module1.h"
#include "toolkit/messagebox.h"
#include "toolkit/numbertext.h"
#include "toolkit/printer.h"

namespace {
constexpr int kQuestions = 10;

struct WorksheetText {
    QString subject;
    QString title;
};

void centredLine(PrinterSurface &printer, const QString &text)
{
    printer.setCurrentX((printer.scaleWidth() - printer.textWidth(text)) / 2);
    printer.printLine(text);
}

// Two answers on one line: the first at a third of the width, the second at two thirds.
void answerLine(PrinterSurface &printer, const QString &first, const QString &second)
{
    printer.setCurrentX(2 * printer.scaleWidth() / 6);
    printer.print(first);
    printer.setCurrentX(4 * printer.scaleWidth() / 6);
    printer.printLine(second);
}

void printWorksheet(PrinterSurface &printer, const WorksheetText &text)
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
    centredLine(printer, text.subject);
    centredLine(printer, text.title);
    printer.blankLine();

    printer.setFontSize(12);
    for (int k = 1; k <= kQuestions; ++k) {
        printer.setCurrentX(printer.scaleWidth() / 16);
        printer.printLine(QStringLiteral("Question") + numberWithSignPlace(k) + QStringLiteral("    ") +
                          Module1.questionText[k]);
        answerLine(printer, QStringLiteral("A. ") + Module1.answerA[k], QStringLiteral("B. ") + Module1.answerB[k]);
        answerLine(printer, QStringLiteral("C. ") + Module1.answerC[k], QStringLiteral("D. ") + Module1.answerD[k]);
        printer.blankLine();
    }
    printer.endDoc();
}
} // namespace

QString worksheetHeaderLine()
{
    return QStringLiteral("Velmora") + QString(57, QLatin1Char(' ')) + QStringLiteral("Quorvane Publishing Ltd");
}

void Printpage(const multiple &quiz)
{
    const WorksheetText text{quiz.Label5->caption(), quiz.Label6->caption()};
    try {
        printWorksheet(*openPrinter(), text);
        messageBox(QStringLiteral("Your worksheet is now printing."));
    } catch (const PrintError &) {
        messageBox(QStringLiteral("There was a problem printing to your printer."));
    }
}
