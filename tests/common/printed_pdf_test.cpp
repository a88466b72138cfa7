// The certificate and a page printed through a real Qt printer into PDF
// files and rendered: the certificate carries its nested frames, and the
// page keeps an inch in from the corner. (CUPS and the printed texts:
// tests/e2e/print_cups.sh.)
#include "quiz/certificate.h"
#include "shell/teacher.h"
#include "shell/topicmenu.h"
#include "support/pupil.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "toolkit/printerdevice.h"

#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace {
constexpr int kDpi = 200;

int px(double twips) { return int(twips * kDpi / 1440.0); }

// Prints through a PDF printer and returns the page rendered grey at kDpi.
QImage printAndRender(const std::function<void()> &print)
{
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("page.pdf"));
    setPrinterFactory([pdf] { return openPdfPrinter(pdf); });
    print();
    QProcess::execute(QStringLiteral("pdftoppm"), {"-r", QString::number(kDpi), "-gray", "-png", "-singlefile", pdf, pdf});
    return QImage(pdf + QStringLiteral(".png"));
}

// Where the printable area starts on the rendered page, in pixels.
QPoint printableOrigin()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    return (printer.pageLayout().paintRect(QPageLayout::Inch).topLeft() * kDpi).toPoint();
}

// Dark runs crossed going from one point to another, pixel by pixel.
int darkRuns(const QImage &image, QPoint from, QPoint to)
{
    const QPoint step((to.x() > from.x()) - (to.x() < from.x()), (to.y() > from.y()) - (to.y() < from.y()));
    int runs = 0;
    for (QPoint p = from; p != to; p += step)
        runs += qGray(image.pixel(p)) < 160 && qGray(image.pixel(p - step)) >= 160;
    return runs;
}
} // namespace

class PrintedPdfTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm (poppler-utils) is needed");
    }

    // Across the left edge: five outer and three inner frame sides; down from
    // the top and up from the bottom: five outer sides each. Nothing of a
    // page lies above or left of an inch into the printable area.
    void pagesComeOutWhereTheyBelong()
    {
        TestEnvironment env;
        const QImage certificate = printAndRender([] { printCertificate(QStringLiteral("Velmora"), QStringLiteral("Ada"), 10, 10); });
        QVERIFY(!certificate.isNull());
        const QPoint origin = printableOrigin();
        const int bottom = certificate.height() - origin.y() - 1, x = origin.x() + px(400);
        QCOMPARE(darkRuns(certificate, {origin.x(), certificate.height() / 2}, {origin.x() + px(1200), certificate.height() / 2}), 8);
        QCOMPARE(darkRuns(certificate, {x, origin.y()}, {x, origin.y() + px(540)}), 5);
        QCOMPARE(darkRuns(certificate, {x, bottom}, {x, bottom - px(540)}), 5);
        const QImage page = printAndRender([] {
            clickMainMenuEntry(1);
            clickOn(touch<fighters>().label3[4]);
            clickOn(touch<teacher>().Label3[viewer::Print]);
        });
        const QPoint corner = origin + QPoint(px(1000), px(1000)) - QPoint(1, 1);
        int inked = 0, outside = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x2 = 0; x2 < page.width(); ++x2)
                if (qGray(page.pixel(x2, y)) < 250)
                    ++(x2 >= corner.x() && y >= corner.y() ? inked : outside);
        QVERIFY(inked > 1000 && outside == 0);
        QCOMPARE(env.messages, QStringList{"Your certificate is now printing."});
    }
};

VELMORA_TEST(PrintedPdfTest)
#include "printed_pdf_test.moc"
