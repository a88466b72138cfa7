// Time the worksheet screens take for a full catalogue, as medians over many
// runs, each beside baselines measured in the same run:
//   opening the catalogue with 1000 titles (load, catalogue read, first page,
//   shown and painted)          - against showing a plain 800 x 600 window and
//                                  against reading the 1000-title catalogue file;
//   paging through all 42 pages (41 "Next Page >>" clicks, each painted)
//                                - against setting the 24 slot captions 41 times
//                                  on the same screen and painting;
//   "Save Worksheet" with 999 titles listed (checks, worksheet file, catalogue
//   read and rewrite to 1000, the message)
//                                - against writing the same two files with an
//                                  unguarded in-place QFile write, and against
//                                  the file layer's saveWorksheetFiles alone
//                                  (safe writes: lock, temporary file, flush, rename).
//
// Usage: bench_worksheet_screens [runs]   (default 50)
#include "benchutil.h"
#include "common/module1.h"
#include "toolkit/contentpath.h"
#include "toolkit/messagebox.h"
#include "toolkit/screen.h"
#include "worksheets/catalogueread.h"
#include "worksheets/wizard.h"
#include "worksheets/worksheetfile.h"
#include "worksheets/worksheets.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>

namespace {
QString multiplePath;

QByteArray catalogueBytes(int titles)
{
    QByteArray bytes = ' ' + QByteArray::number(titles) + " \r\n";
    for (int i = 1; i <= titles; ++i)
        bytes += "Class worksheet " + QByteArray::number(i) + "\r\n";
    return bytes;
}

void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(multiplePath + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
}

// A left click as the window system delivers it.
void click(QWidget *widget)
{
    const QPointF at = QRectF(widget->rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

void paint() { QCoreApplication::processEvents(); }

worksheets &openCatalogue()
{
    worksheets &catalogue = touch<worksheets>();
    catalogue.showScreen();
    paint();
    return catalogue;
}

int pageThroughAll(worksheets &catalogue)
{
    int pages = 1;
    while (!catalogue.Label3[1]->isHidden()) {
        click(catalogue.Label3[1]);
        paint();
        ++pages;
    }
    return pages;
}

void fillWizard(wizard &editor)
{
    editor.Text1->setText(QStringLiteral("Bench worksheet"));
    for (int q = 0; q < 10; ++q) {
        editor.Text2[q]->setText(QStringLiteral("Which piece of armour protected a hoplite's legs, number %1?").arg(q));
        editor.Text3[4 * q]->setText(QStringLiteral("A bronze helmet"));
        editor.Text3[4 * q + 1]->setText(QStringLiteral("Greaves"));
        editor.Text3[4 * q + 2]->setText(QStringLiteral("A round shield, a hoplon"));
        editor.Text3[4 * q + 3]->setText(QStringLiteral("A linen tunic"));
        editor.Check1[4 * q + 1]->setChecked(true);
    }
}

void line(const char *what, double ms, double baseMs, const char *baseline)
{
    std::printf("%-44s %9.3f ms   baseline %-30s %8.3f ms   ratio %6.2f\n", what, ms, baseline, baseMs, ms / baseMs);
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(5, QString(argv[1]).toInt()) : 50;
    QTemporaryDir root;
    QDir(root.path()).mkpath(QStringLiteral("multiple"));
    multiplePath = root.path() + QStringLiteral("/multiple");
    setContentRoot(root.path());
    int saved = 0;
    setMessageBoxHandler([&saved](const QString &text, MsgButtons) {
        if (text != QLatin1String("Your worksheet has been saved."))
            qFatal("unexpected message: %s", qPrintable(text));
        ++saved;
        return MsgResult::Ok;
    });

    const QByteArray catalogue999 = catalogueBytes(999);
    const QByteArray catalogue1000 = catalogueBytes(1000);
    writeFile(QStringLiteral("track.txt"), catalogue1000);
    std::printf("worksheet screens, median of %d runs\n", runs);

    // Warm fonts and the style once, as after the main menu.
    openCatalogue();
    screens::unloadAll();

    QVector<double> open;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        openCatalogue();
        open << t.nsecsElapsed() / 1e6;
        screens::unloadAll();
    }
    const auto plain = timeRuns(runs, [] {
        QWidget w;
        w.resize(800, 600);
        w.show();
        paint();
    });
    const auto read = timeRuns(runs, [] {
        if (!readCatalogue(CatalogueReadPolicy::SkipFailedSteps).complete)
            qFatal("catalogue did not read");
    });
    line("open catalogue, 1000 titles", median(open), median(plain), "plain 800x600 window shown");
    line("open catalogue, 1000 titles", median(open), median(read), "catalogue file read");

    QVector<double> paging, captions;
    for (int i = 0; i < runs; ++i) {
        worksheets &catalogue = openCatalogue();
        QElapsedTimer t;
        t.start();
        if (pageThroughAll(catalogue) != 42)
            qFatal("not every page was reachable");
        paging << t.nsecsElapsed() / 1e6;

        t.restart();
        for (int page = 0; page < 41; ++page) {
            for (int k = 1; k <= 24; ++k)
                catalogue.Label2[k]->setCaption(Module1.worksheetTitles[24 * (page % 40) + k + (page % 2)]);
            paint();
        }
        captions << t.nsecsElapsed() / 1e6;
        screens::unloadAll();
    }
    line("page through all 42 pages", median(paging), median(captions), "24 captions set, 41 times");

    const auto restore999 = [&] { writeFile(QStringLiteral("track.txt"), catalogue999); };
    wizard &editor = touch<wizard>();
    editor.showScreen();
    fillWizard(editor);
    paint();
    QVector<double> save, plainWrite, fileLayer;
    const QByteArray worksheetBytes = [] {
        QByteArray bytes = "Bench worksheet\r\n \r\n";
        for (int q = 0; q < 10; ++q)
            bytes += "Which piece of armour protected a hoplite's legs& number " + QByteArray::number(q)
                + "?\r\nA bronze helmet\r\nGreaves\r\nA round shield& a hoplon\r\nA linen tunic\r\n2\r\n \r\n";
        return bytes;
    }();
    for (int i = 0; i < runs; ++i) {
        restore999();
        QElapsedTimer t;
        t.start();
        click(editor.Label3[1]);
        save << t.nsecsElapsed() / 1e6;
        if (i == 0) {
            QFile file(multiplePath + QStringLiteral("/Bench worksheet.txt"));
            if (!file.open(QIODevice::ReadOnly) || file.readAll() != worksheetBytes)
                qFatal("the saved worksheet differs from the baseline's bytes");
        }

        restore999();
        t.restart();
        writeFile(QStringLiteral("Bench worksheet.txt"), worksheetBytes);
        writeFile(QStringLiteral("track.txt"), catalogue1000);
        plainWrite << t.nsecsElapsed() / 1e6;

        restore999();
        const WorksheetContent worksheet = editor.content();
        t.restart();
        if (saveWorksheetFiles(worksheet).outcome != SaveOutcome::Saved)
            qFatal("the file layer did not save");
        fileLayer << t.nsecsElapsed() / 1e6;
    }
    if (saved != runs)
        qFatal("%d of %d saves reported success", saved, runs);
    line("Save Worksheet, 999 -> 1000 titles", median(save), median(plainWrite), "unguarded QFile writes");
    line("Save Worksheet, 999 -> 1000 titles", median(save), median(fileLayer), "saveWorksheetFiles alone");
    screens::unloadAll();
    return 0;
}
