#include "quiz/certificate.h"

#include "common/printout.h"
#include "quiz/scoretext.h"
#include "toolkit/fonts.h"
#include "toolkit/twips.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QList>

namespace {
// Three spaces, Well Done, six, Well Done, five, Well Done, five, Well Done, four: 59 characters.
const QString kBanner = QStringLiteral("   Well Done      Well Done     Well Done     Well Done    ");

enum PaletteColour { Black = 0, Navy = 1, LightBlue = 9, LightRed = 12 };
constexpr int kFramePenPixels = 2;

struct CertificateText {
    QString subject;
    QString name;
    QString scoreLine;
};

// The subject's width in twips in the results screen's own font (the
// toolkit's default user-interface font, which that screen never changes).
double subjectWidthOnScreen(const QString &subject)
{
    return twips::fromPixels(QFontMetricsF(makeFont(FontDesign{})).horizontalAdvance(subject));
}

void addRectangle(QList<QLineF> &lines, double left, double top, double right, double bottom)
{
    lines << QLineF(left, top, right, top) << QLineF(left, top, left, bottom) << QLineF(right, top, right, bottom)
          << QLineF(left, bottom, right, bottom);
}

// The frame lines in drawing order: five outer rectangles 45 twips apart, the
// first three each followed by its inner rectangle, which leaves room above
// for the banner and titles and below for the bottom banner.
QList<QLineF> certificateFrameLines(double width, double height)
{
    QList<QLineF> lines;
    for (int k = 1; k <= 5; ++k) {
        const double a = 45.0 * k;
        const double b = 225.0 + 45.0 * k;
        addRectangle(lines, a, b, width - a, height - b);
        if (k <= 3)
            addRectangle(lines, a + 600, b + 7050, width - a - 600, height - b - 3750);
    }
    return lines;
}

void blankLines(PrinterSurface &printer, int count)
{
    for (int i = 0; i < count; ++i)
        printer.blankLine();
}

void printBannerTwice(PrinterSurface &printer)
{
    printer.print(kBanner);
    printer.print(kBanner);
}

void drawCertificate(PrinterSurface &printer, const CertificateText &text)
{
    printer.setFontName(QStringLiteral("Times New Roman"));
    printer.setFontBold(false);

    // The top banner, a little way down the page.
    printer.setForeColor(QBColor(LightBlue));
    printer.setFontSize(25);
    printer.setCurrentX(printer.scaleWidth() / 8);
    printer.blankLine();
    printBannerTwice(printer);
    printer.blankLine();
    blankLines(printer, 2);

    printer.setForeColor(QBColor(LightRed));
    printer.setFontSize(36);
    centredLine(printer, QStringLiteral("Velmora"));
    printer.blankLine();

    printer.setForeColor(QBColor(LightBlue));
    printer.setFontSize(certificateSubjectPoints(subjectWidthOnScreen(text.subject), printer.scaleWidth()));
    centredLine(printer, text.subject);
    printer.blankLine();
    printer.setFontSize(36);
    blankLines(printer, 3);

    printer.setForeColor(QBColor(Navy));
    printer.setFontSize(28);
    centredLine(printer, QStringLiteral("Excellent Work"));
    printer.blankLine();
    centredLine(printer, text.name);
    printer.blankLine();
    centredLine(printer, text.scoreLine);
    printer.blankLine();
    printer.setFontSize(36);
    blankLines(printer, 2);

    // The bottom banner.
    printer.setForeColor(QBColor(LightBlue));
    printer.setFontSize(25);
    printer.blankLine();
    printer.setForeColor(QBColor(Black));
    printBannerTwice(printer);

    printer.setDrawWidth(kFramePenPixels);
    const double width = printer.scaleWidth();
    const double height = printer.scaleHeight();
    for (const QLineF &edge : certificateFrameLines(width, height))
        printer.line(edge.p1(), edge.p2());
}

} // namespace

double certificateSubjectPoints(double subjectWidthTwips, double printableWidthTwips)
{
    return subjectWidthTwips > printableWidthTwips / 4 ? 28 : 36;
}

void printCertificate(const QString &subject, const QString &pupilName, int score, int maximum)
{
    const CertificateText text{subject, pupilName, scoreMessage(QStringLiteral("You have scored"), score, maximum)};
    printOnePage([&](PrinterSurface &printer) { drawCertificate(printer, text); },
                 QStringLiteral("Your certificate is now printing."));
}
