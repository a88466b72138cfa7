// The certificate, a worksheet and a page printed through a real Qt printer
// into PDF files: the texts come back in order from pdftotext, and the
// rendered certificate carries its nested frames. Set VELMORA_PRINT_OUTPUT to
// a folder to keep the PDF and PNG files for a look.
#include "quiz/multiple.h"
#include "quiz/quizdriver.h"
#include "quiz/welldone.h"
#include "shell/fighters.h"
#include "shell/intro0.h"
#include "shell/module1.h"
#include "shell/teacher.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "toolkit/printerdevice.h"

#include <QDir>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {
constexpr int kDpi = 200;

class PrintOutput {
public:
    PrintOutput()
    {
        const QString kept = qEnvironmentVariable("VELMORA_PRINT_OUTPUT");
        dir_ = kept.isEmpty() ? temp_.path() : kept;
        QDir().mkpath(dir_);
    }
    QString path(const QString &name) const { return dir_ + '/' + name; }

private:
    QTemporaryDir temp_;
    QString dir_;
};

bool havePoppler()
{
    return !QStandardPaths::findExecutable("pdftotext").isEmpty() &&
           !QStandardPaths::findExecutable("pdftoppm").isEmpty();
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The page's text in drawing order, runs of spaces made single.
QString pdfText(const QString &pdf) { return run("pdftotext", {"-raw", pdf, "-"}).simplified(); }

QImage renderPage(const QString &pdf)
{
    const QString png = pdf.chopped(4);
    run("pdftoppm", {"-r", QString::number(kDpi), "-gray", "-png", "-singlefile", pdf, png});
    return QImage(png + ".png");
}

// Checks that the texts come in this order.
bool inOrder(const QString &text, const QStringList &parts, QString *missing)
{
    qsizetype from = 0;
    for (const QString &part : parts) {
        const qsizetype found = text.indexOf(part, from);
        if (found < 0) {
            *missing = part;
            return false;
        }
        from = found + part.size();
    }
    return true;
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
        if (!havePoppler())
            QSKIP("pdftotext and pdftoppm (poppler-utils) are needed");
    }

    void theCertificateComesOutFramedWithItsTexts()
    {
        TestEnvironment env;
        PrintOutput out;
        const QString pdf = out.path("certificate.pdf");
        setPrinterFactory([pdf] { return openPdfPrinter(pdf); });
        Module1.score = Module1.questionCount = 10;
        Module1.certificateSubject = QStringLiteral("Greek Fighters");
        Welldone &results = touch<Welldone>();
        results.showScreen();
        QTest::keyClicks(results.Text1, QStringLiteral("Ada Lovelace"));
        clickOn(results.Label3[0]);
        QCOMPARE(env.messages, QStringList{"Your certificate is now printing."});

        const QString text = pdfText(pdf);
        QString missing;
        QVERIFY2(inOrder(text, {"Well Done Well Done", "Velmora", "Greek Fighters", "Excellent Work", "Ada Lovelace",
                                "You have scored 10 out of 10.", "Well Done Well Done"},
                         &missing),
                 qPrintable("missing or out of order: " + missing + "\n" + text));

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

    void theWorksheetComesOutInReadingOrder()
    {
        TestEnvironment env;
        PrintOutput out;
        const QString pdf = out.path("worksheet.pdf");
        setPrinterFactory([pdf] { return openPdfPrinter(pdf); });
        writeFightersQuestions(env, QStringLiteral("Spartan Soldiers"));
        multiple &quiz = openFightersQuiz();
        clickOn(quiz.Label3[3]);
        QCOMPARE(env.messages, QStringList{"Your worksheet is now printing."});

        QStringList parts{"Velmora Quorvane Publishing Ltd", "Velmora", "Spartan Soldiers"};
        for (int k = 1; k <= 10; ++k)
            parts << QStringLiteral("Question %1 Question text %1").arg(k) << QStringLiteral("A. Answer %1A").arg(k)
                  << QStringLiteral("B. Answer %1B").arg(k) << QStringLiteral("C. Answer %1C").arg(k)
                  << QStringLiteral("D. Answer %1D").arg(k);
        const QString text = pdfText(pdf);
        QString missing;
        QVERIFY2(inOrder(text, parts, &missing), qPrintable("missing or out of order: " + missing + "\n" + text));
        QVERIFY(!renderPage(pdf).isNull());
    }

    void aPageIsDrawnAnInchInFromTheCorner()
    {
        TestEnvironment env;
        PrintOutput out;
        const QString pdf = out.path("page.pdf");
        setPrinterFactory([pdf] { return openPdfPrinter(pdf); });
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
