// The certificate and a page printed through a real Qt printer into PDF
// files and rendered: the certificate carries its nested frames, and the
// page keeps an inch in from the corner. (The printed texts are read back by
// tests/e2e/print_cups.sh.)
#include "quiz/welldone.h"
#include "shell/topicmenu.h"
#include "shell/intro0.h"
#include "common/module1.h"
#include "shell/teacher.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "toolkit/printerdevice.h"

#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {
constexpr int kDpi = 200;

// The PDF's first page as a grey image at kDpi, or a null image.
QImage renderPage(const QString &pdf)
{
    const QString png = pdf.chopped(4);
    QProcess::execute("pdftoppm", {"-r", QString::number(kDpi), "-gray", "-png", "-singlefile", pdf, png});
    return QImage(png + ".png");
}

// Sends every print job to a PDF file named `name` and returns its path.
QString printToPdf(const QTemporaryDir &out, const QString &name)
{
    const QString pdf = out.filePath(name);
    setPrinterFactory([pdf] { return openPdfPrinter(pdf); });
    return pdf;
}

// Dark runs met going from one point to another, one pixel at a time.
int darkRuns(const QImage &image, QPoint from, QPoint to)
{
    const QPoint step((to.x() > from.x()) - (to.x() < from.x()), (to.y() > from.y()) - (to.y() < from.y()));
    int runs = 0;
    bool inRun = false;
    for (QPoint p = from; p != to; p += step) {
        const bool dark = qGray(image.pixel(p)) < 160;
        runs += dark && !inRun;
        inRun = dark;
    }
    return runs;
}

// Where the printable area starts on the rendered page, in pixels.
QPointF printableOrigin()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const QRectF paint = printer.pageLayout().paintRect(QPageLayout::Inch);
    return paint.topLeft() * kDpi;
}

int px(double twips) { return int(twips * kDpi / 1440.0); }
} // namespace

class PrintedPdfTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
            QSKIP("pdftoppm (poppler-utils) is needed");
    }

    void theCertificateComesOutFramed()
    {
        TestEnvironment env;
        QTemporaryDir out;
        const QString pdf = printToPdf(out, "certificate.pdf");
        Module1.score = Module1.questionCount = 10;
        Module1.certificateSubject = QStringLiteral("Greek Fighters");
        Welldone &results = touch<Welldone>();
        results.showScreen();
        QTest::keyClicks(results.Text1, QStringLiteral("Ada Lovelace"));
        clickOn(results.Label3[0]);
        QCOMPARE(env.messages, QStringList{"Your certificate is now printing."});

        const QImage page = renderPage(pdf);
        QVERIFY(!page.isNull());
        const QPointF origin = printableOrigin();
        const QSizeF area(page.width() - 2 * origin.x(), page.height() - 2 * origin.y());
        const int left = int(origin.x()), top = int(origin.y());
        // Across the left edge at mid-height: five outer and three inner frame sides.
        const int middle = top + int(area.height() / 2);
        QCOMPARE(darkRuns(page, {left, middle}, {left + px(1200), middle}), 8);
        // Down between the outer and inner frames, above the top banner: five outer tops.
        QCOMPARE(darkRuns(page, {left + px(400), top}, {left + px(400), top + px(540)}), 5);
        // Up from the bottom edge: five outer bottoms.
        const int bottom = top + int(area.height()) - 1;
        QCOMPARE(darkRuns(page, {left + px(400), bottom}, {left + px(400), bottom - px(540)}), 5);
    }

    void aPageIsDrawnAnInchInFromTheCorner()
    {
        TestEnvironment env;
        QTemporaryDir out;
        const QString pdf = printToPdf(out, "page.pdf");
        touch<intro0>().showScreen();
        clickOn(touch<intro0>().Label2[1]);
        clickOn(touch<fighters>().label3[4]);
        clickOn(touch<teacher>().Label3[0]);
        QVERIFY(env.messages.isEmpty());

        const QImage page = renderPage(pdf);
        QVERIFY(!page.isNull());
        // Nothing is drawn above or left of the page's corner.
        const QPointF origin = printableOrigin();
        const int cornerX = int(origin.x()) + px(1000), cornerY = int(origin.y()) + px(1000);
        int inked = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                if (qGray(page.pixel(x, y)) >= 250)
                    continue;
                ++inked;
                QVERIFY2(x >= cornerX - 1 && y >= cornerY - 1, qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
            }
        QVERIFY(inked > 1000);
    }
};

VELMORA_TEST(PrintedPdfTest)
#include "pageprint_pdf_test.moc"
