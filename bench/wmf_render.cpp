// Metafile rendering speed.
//
//   bench_wmf_render [corpus-dir] [repeats]
//
// 1. In process: parse and draw each corpus file (and each page of artwork
//    in the build tree's wmf folder) at its own size; median of the repeats
//    per file, then the median over files.
// 2. Whole programs, in the same run: wall time of `wmf2png in out` against
//    Debian's `wmf2gd -t png -o out in` for every corpus file (the best of the
//    repeats per file, the two tools taking turns), both medians and their
//    ratio; then one batch run of each over the whole corpus.
#include "wmf/wmf.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Milliseconds to parse and draw once at the picture's own size.
double drawOnce(const QByteArray &bytes)
{
    QElapsedTimer timer;
    timer.start();
    const std::optional<wmf::Metafile> metafile = wmf::Metafile::parse(bytes);
    if (metafile) {
        const QSizeF twips = metafile->sizeTwips();
        const QSize size(std::max(1, qRound(twips.width() / 15)), std::max(1, qRound(twips.height() / 15)));
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        metafile->render(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return timer.nsecsElapsed() / 1e6;
}

// Median in-process time per file, printed, and their median.
double inProcess(const QString &title, const QStringList &paths, int repeats)
{
    std::printf("\n%s: parse + draw at own size, median of %d runs\n", qPrintable(title), repeats);
    std::vector<double> perFile;
    for (const QString &path : paths) {
        const QByteArray bytes = readAll(path);
        drawOnce(bytes); // warm caches (fonts) as a running program has them
        std::vector<double> runs;
        for (int r = 0; r < repeats; ++r)
            runs.push_back(drawOnce(bytes));
        perFile.push_back(median(runs));
        std::printf("  %-42s %8.2f ms\n", qPrintable(QFileInfo(path).fileName()), perFile.back());
    }
    const double m = median(perFile);
    std::printf("  median over %zu files: %.2f ms\n", perFile.size(), m);
    return m;
}

struct Run {
    double ms = 0;
    bool ok = false;
};

Run runProgram(const QString &program, const QStringList &args)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice()); // wmf2gd prints its progress there
    QElapsedTimer timer;
    timer.start();
    process.start(program, args);
    const bool finished = process.waitForFinished(120000);
    Run run;
    run.ms = timer.nsecsElapsed() / 1e6;
    run.ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return run;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString corpus = args.size() > 1 && !args[1].isEmpty() ? args[1]
                                           : QCoreApplication::applicationDirPath() + "/../../shared/wmf-corpus/public";
    const int repeats = args.size() > 2 ? std::max(1, args[2].toInt()) : 5;
    QStringList files;
    for (const QString &name : QDir(corpus).entryList({"*.wmf"}, QDir::Files, QDir::Name))
        files << QDir(corpus).filePath(name);
    if (files.isEmpty()) {
        std::fprintf(stderr, "no metafiles in %s\n", qPrintable(corpus));
        return 1;
    }

    const double ownMedian = inProcess("Corpus " + QDir(corpus).canonicalPath(), files, repeats);
    QStringList pages;
    const QDir pageDir(QCoreApplication::applicationDirPath() + "/wmf");
    for (const QString &name : pageDir.entryList({"*.wmf", "*.WMF"}, QDir::Files, QDir::Name))
        pages << pageDir.filePath(name);
    if (pages.isEmpty())
        std::printf("\nPage artwork: none in %s\n", qPrintable(pageDir.path()));
    else
        inProcess("Page artwork", pages, repeats);

    const QString wmf2png = QCoreApplication::applicationDirPath() + "/wmf2png";
    const QString wmf2gd = QStandardPaths::findExecutable("wmf2gd");
    if (!QFile::exists(wmf2png) || wmf2gd.isEmpty()) {
        std::printf("\nwmf2png (%s) or wmf2gd (package libwmf-bin) missing: no program comparison\n", qPrintable(wmf2png));
        return 0;
    }

    // Copies in a private folder: wmf2gd's batch mode writes beside its inputs.
    QTemporaryDir work;
    QStringList copies;
    for (const QString &f : files) {
        const QString copy = work.filePath(QFileInfo(f).fileName());
        QFile::copy(f, copy);
        copies << copy;
    }

    std::printf("\nWhole programs, wall time per file (best of %d, taking turns)\n", repeats);
    std::printf("  %-42s %10s %10s\n", "file", "wmf2png", "wmf2gd");
    std::vector<double> ours, theirs;
    int theirFailures = 0, ourFailures = 0;
    for (const QString &copy : copies) {
        double bestOurs = 1e9, bestTheirs = 1e9;
        bool okOurs = true, okTheirs = true;
        for (int r = 0; r < repeats; ++r) {
            const Run a = runProgram(wmf2png, {copy, work.filePath("ours.png")});
            const Run b = runProgram(wmf2gd, {"-t", "png", "-o", work.filePath("theirs.png"), copy});
            bestOurs = std::min(bestOurs, a.ms);
            bestTheirs = std::min(bestTheirs, b.ms);
            okOurs = okOurs && a.ok;
            okTheirs = okTheirs && b.ok;
        }
        ourFailures += okOurs ? 0 : 1;
        theirFailures += okTheirs ? 0 : 1;
        ours.push_back(bestOurs);
        theirs.push_back(bestTheirs);
        std::printf("  %-42s %8.1f%s %8.1f%s\n", qPrintable(QFileInfo(copy).fileName()), bestOurs, okOurs ? "  " : " !",
                    bestTheirs, okTheirs ? "  " : " !");
    }
    // What any program linked to Qt's GUI library pays before it does
    // anything: wmf2png started with no arguments only prints its usage.
    std::vector<double> floorRuns;
    for (int r = 0; r < std::max(repeats, 5); ++r)
        floorRuns.push_back(runProgram(wmf2png, {}).ms);
    const double startFloor = *std::min_element(floorRuns.begin(), floorRuns.end());
    const double mOurs = median(ours), mTheirs = median(theirs);
    std::printf("  (! = the program failed on that file: wmf2png %d, wmf2gd %d)\n", ourFailures, theirFailures);
    std::printf("  median per file: wmf2png %.1f ms, wmf2gd %.1f ms, ratio wmf2png/wmf2gd %.2f\n", mOurs, mTheirs,
                mTheirs > 0 ? mOurs / mTheirs : 0);

    std::printf("  wmf2png started with nothing to do (loading Qt): %.1f ms; median beyond that %.1f ms\n", startFloor,
                mOurs - startFloor);

    QStringList batchArgs;
    for (const QString &copy : copies)
        batchArgs << copy << copy + ".ours.png";
    QStringList gdBatch{"-t", "png", "--auto"};
    gdBatch << copies;
    const Run batchOurs = runProgram(wmf2png, batchArgs);
    const Run batchTheirs = runProgram(wmf2gd, gdBatch);
    std::printf("\nWhole corpus in one run of each program (%lld files)\n", qlonglong(copies.size()));
    std::printf("  wmf2png %.1f ms%s, wmf2gd --auto %.1f ms%s, ratio wmf2png/wmf2gd %.2f\n", batchOurs.ms,
                batchOurs.ok ? "" : " (failures)", batchTheirs.ms, batchTheirs.ok ? "" : " (failures)",
                batchTheirs.ms > 0 ? batchOurs.ms / batchTheirs.ms : 0);
    std::printf("\nSummary: in-process median %.2f ms per file; per-file programs wmf2png %.1f ms vs wmf2gd %.1f ms "
                "(ratio %.2f)\n",
                ownMedian, mOurs, mTheirs, mTheirs > 0 ? mOurs / mTheirs : 0);
    return 0;
}
