// Time from pressing a print button's routine to the job being handed to the
// print system, for the certificate, a worksheet and a key-facts page,
// against a bare job (one blank line and the end of the document) on the
// same printer. Jobs go to PDF files in a temporary folder; with
// VELMORA_BENCH_PRINTER=1 they also go to the real default printer (each run
// prints real pages, one more than the run count, so keep it small).
//   bench_print_jobs [runs]   (run from the build folder, beside the content)
#include "benchutil.h"
#include "common/module1.h"
#include "common/printout.h"
#include "quiz/certificate.h"
#include "quiz/worksheetprint.h"
#include "shell/quizstart.h"
#include "toolkit/contentpath.h"
#include "toolkit/headless.h"
#include "toolkit/messagebox.h"
#include "toolkit/picture.h"
#include "toolkit/printerdevice.h"
#include "toolkit/screen.h"

#include <QApplication>
#include <QPrinterInfo>
#include <QTemporaryDir>

namespace {
int problems = 0;

// One untimed run first, so fonts, the metafile and the printer connection are warm.
QVector<double> timeWarm(int runs, const std::function<void()> &job)
{
    job();
    return timeRuns(runs, job);
}

void measure(const char *printerName, int runs)
{
    const auto bare = timeWarm(runs, [] {
        try {
            const auto printer = openPrinter();
            printer->printLine(QString());
            printer->endDoc();
        } catch (const PrintError &) {
            ++problems;
        }
    });

    const auto certificate = timeWarm(runs, [] {
        printCertificate(QStringLiteral("Velmora"), QStringLiteral("Alexandra Konstantinou"), 10, 10);
    });

    if (!loadQuizQuestions(QStringLiteral("multiple\\Greek Fighters.txt")))
        std::exit(1);
    const auto worksheet = timeWarm(runs, [] { printWorksheet(QStringLiteral("Velmora"), Module1.quizTitle); });

    // The viewer holds its print copy loaded, so only printing is timed.
    const Picture page = Picture::load(QStringLiteral("wmf2\\key fightersa.wmf"));
    if (page.isNull())
        std::exit(1);
    const auto pagePrint = timeWarm(runs, [&page] {
        printOnePage([&page](PrinterSurface &printer) {
            printer.printLine(QString());
            printer.paintPicture(page, {1000, 1000});
        });
    });

    std::printf("%s, %d runs each (median):\n", printerName, runs);
    report("  bare job: blank line and end of document", median(bare));
    report("  certificate", median(certificate));
    report("  worksheet", median(worksheet));
    report("  key-facts page (metafile)", median(pagePrint));
    report("  ratio certificate / bare job", median(certificate) / median(bare), "x");
    report("  ratio worksheet / bare job", median(worksheet) / median(bare), "x");
    report("  ratio page / bare job", median(pagePrint) / median(bare), "x");
    screens::unloadAll();
}
} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir runtimeDir;
    prepareHeadlessRun(runtimeDir);
    QApplication app(argc, argv);
    const int runs = argc > 1 ? QString(argv[1]).toInt() : 20;
    setContentRoot(QCoreApplication::applicationDirPath());
    setMessageBoxHandler([](const QString &text, MsgButtons) {
        if (text.startsWith(QStringLiteral("There was a problem")) || text.startsWith(QStringLiteral("Printing has")))
            ++problems;
        return MsgResult::Ok;
    });

    QTemporaryDir out;
    int job = 0;
    setPrinterFactory([&out, &job] { return openPdfPrinter(out.filePath(QStringLiteral("job%1.pdf").arg(++job))); });
    measure("PDF file (QPrinter, high resolution)", runs);

    if (qEnvironmentVariable("VELMORA_BENCH_PRINTER") == QStringLiteral("1")) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) {
            std::printf("no default printer: real printer not measured\n");
        } else {
            setPrinterFactory({});
            measure(qPrintable(QStringLiteral("default printer %1").arg(info.printerName())), runs);
        }
    }
    if (problems) {
        std::fprintf(stderr, "%d jobs failed\n", problems);
        return 1;
    }
    return 0;
}
