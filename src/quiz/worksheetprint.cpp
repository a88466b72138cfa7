#include "quiz/worksheetprint.h"

#include "common/module1.h"
#include "common/printout.h"
#include "common/questionset.h"
#include "toolkit/numbertext.h"

namespace {
// The header line: the product title and the publisher, 57 spaces apart.
QString worksheetHeaderLine()
{
    return QStringLiteral("Velmora") + QString(57, QLatin1Char(' ')) + QStringLiteral("Quorvane Publishing Ltd");
}

// One answer at x, on the answer key in bold and underlined when it is the right one.
void printAnswer(PrinterSurface &printer, double x, const QString &text, bool marked, bool endsLine)
{
    printer.setCurrentX(x);
    if (marked) {
        printer.setFontBold(true);
        printer.setFontUnderline(true);
    }
    endsLine ? printer.printLine(text) : printer.print(text);
    if (marked) {
        printer.setFontBold(false);
        printer.setFontUnderline(false);
    }
}

// Answers first and first + 1 of question k on one line: the first at a
// third of the width, the second at two thirds; right (1 to 4) is marked.
void answerLine(PrinterSurface &printer, int k, int first, int right)
{
    const QString *answers[answersPerQuestion] = {&Module1.answerA[k], &Module1.answerB[k], &Module1.answerC[k],
                                                  &Module1.answerD[k]};
    for (int a = first; a <= first + 1; ++a)
        printAnswer(printer, (a == first ? 2 : 4) * printer.scaleWidth() / 6,
                    QChar(u'A' + a) + QStringLiteral(". ") + *answers[a], a + 1 == right, a != first);
}

void drawWorksheet(PrinterSurface &printer, const QString &subject, const QString &title, bool answerKey)
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
    // The key says what it is where the pupil's sheet has a blank line.
    answerKey ? centredLine(printer, QStringLiteral("Answer Key")) : printer.blankLine();

    printer.setFontSize(12);
    for (int k = 1; k <= questionsPerSet; ++k) {
        printer.setCurrentX(printer.scaleWidth() / 16);
        printer.printLine(QStringLiteral("Question") + numberWithSignPlace(k) + QStringLiteral("    ") +
                          Module1.questionText[k]);
        const int right = answerKey ? rightAnswerChoice(Module1.correctAnswer[k]).value_or(0) : 0;
        answerLine(printer, k, 0, right);
        answerLine(printer, k, 2, right);
        printer.blankLine();
    }
}
} // namespace

void printWorksheet(const QString &subject, const QString &title)
{
    printOnePage([&](PrinterSurface &printer) { drawWorksheet(printer, subject, title, false); },
                 QStringLiteral("Your worksheet is now printing."));
}

void printAnswerKey(const QString &subject, const QString &title)
{
    printOnePage([&](PrinterSurface &printer) { drawWorksheet(printer, subject, title, true); },
                 QStringLiteral("Your answer key is now printing."));
}
