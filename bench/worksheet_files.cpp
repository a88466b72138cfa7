// How long the worksheet file routines take, as medians over many runs, each
// beside a baseline measured in the same run on the same files:
//   reads  - against QFile::readAll of the same file plus a split into lines
//            (the least any reader could do);
//   writes - against an unguarded in-place QFile rewrite of the same bytes
//            (what safe writing, with its lock, temporary file, flush and
//            rename, costs on top).
//
// Usage: bench_worksheet_files [runs]   (default 200)
#include "common/module1.h"
#include "toolkit/contentpath.h"
#include "worksheets/cataloguelock.h"
#include "worksheets/catalogueread.h"
#include "worksheets/delworksheet.h"
#include "worksheets/questionloader.h"
#include "worksheets/trackworksheets.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
QString multiplePath;

QByteArray crlfLines(const QList<QByteArray> &lines)
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + "\r\n";
    return bytes;
}

QByteArray questionFileBytes()
{
    QList<QByteArray> lines{"Greek Fighters", " "};
    for (int q = 1; q <= 10; ++q) {
        const QByteArray n = QByteArray::number(q);
        lines << "Which soldiers fought in a phalanx& question " + n + "?" << "Hoplites" << "Archers" << "Cavalry"
              << "Slingers" << QByteArray::number((q - 1) % 4 + 1) << " ";
    }
    return crlfLines(lines);
}

QByteArray catalogueBytes(int titles)
{
    QList<QByteArray> lines{' ' + QByteArray::number(titles) + ' '};
    for (int i = 1; i <= titles; ++i)
        lines << "Class worksheet " + QByteArray::number(i);
    return crlfLines(lines);
}

void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(multiplePath + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
}

// Median microseconds of work(); prepare() runs untimed before each run.
double medianMicros(int runs, const std::function<void()> &work, const std::function<void()> &prepare = {})
{
    std::vector<double> times;
    times.reserve(size_t(runs));
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1000.0);
    }
    std::nth_element(times.begin(), times.begin() + long(times.size() / 2), times.end());
    return times[times.size() / 2];
}

void report(const char *what, double micros, double baselineMicros, const char *baseline)
{
    std::printf("%-44s %10.1f us   baseline %-26s %8.1f us   ratio %6.2f\n", what, micros, baseline, baselineMicros,
                micros / baselineMicros);
}

int lineCountOf(const QString &name)
{
    QFile file(multiplePath + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(name));
    return int(file.readAll().split('\n').size());
}

void rewriteInPlace(const QString &name, const QByteArray &bytes)
{
    QFile file(multiplePath + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(5, QByteArray(argv[1]).toInt()) : 200;
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("multiple"));
    multiplePath = dir.path() + QStringLiteral("/multiple");
    setContentRoot(dir.path());

    const QByteArray questions = questionFileBytes();
    const QByteArray catalogue999 = catalogueBytes(999);
    const QByteArray catalogue1000 = catalogueBytes(1000);
    writeFile(QStringLiteral("Greek Fighters.txt"), questions);

    std::printf("worksheet file routines, median of %d runs\n", runs);

    const double load = medianMicros(runs, [] {
        if (loadQuestionFile(QStringLiteral("multiple\\Greek Fighters.txt")) != QuestionFileLoad::Loaded)
            qFatal("question file did not load");
    });
    const double loadBase = medianMicros(runs, [] { lineCountOf(QStringLiteral("Greek Fighters.txt")); });
    report("question file load (72 lines)", load, loadBase, "readAll + split");

    writeFile(QStringLiteral("track.txt"), catalogue1000);
    const double read = medianMicros(runs, [] {
        const CatalogueRead catalogue = readCatalogue(CatalogueReadPolicy::StopAtFirstFailure);
        if (!catalogue.complete || catalogue.count != 1000)
            qFatal("catalogue did not read");
    });
    const double readBase = medianMicros(runs, [] { lineCountOf(QStringLiteral("track.txt")); });
    report("catalogue read, 1000 titles", read, readBase, "readAll + split");

    // The catalogue's half of a save, as the wizard's save runs it.
    const auto track = [](const QString &title) {
        const WorksheetFolder folder = WorksheetFolder::chosen();
        const CatalogueLock lock(folder);
        return trackworksheets(folder, readCatalogueForRewrite(folder), title);
    };
    const auto restore999 = [&] { writeFile(QStringLiteral("track.txt"), catalogue999); };
    const double added = medianMicros(
        runs,
        [&] {
            if (track(QStringLiteral("New worksheet")) != TrackOutcome::Added)
                qFatal("title not added");
        },
        restore999);
    const double trackBase = medianMicros(runs, [&] { rewriteInPlace(QStringLiteral("track.txt"), catalogue1000); },
                                          restore999);
    report("trackworksheets, 999 -> 1000 titles", added, trackBase, "in-place QFile rewrite");

    const double listed = medianMicros(runs, [&] {
        if (track(QStringLiteral("Class worksheet 999")) != TrackOutcome::AlreadyListed)
            qFatal("title not found");
    }, restore999);
    report("trackworksheets, already listed (999)", listed, readBase, "readAll + split");

    const auto restore1000 = [&] { writeFile(QStringLiteral("track.txt"), catalogue1000); };
    const double del = medianMicros(
        runs,
        [] {
            if (delworksheet(QStringLiteral("Class worksheet 1")).outcome != DeleteOutcome::Deleted)
                qFatal("title not deleted");
        },
        restore1000);
    const double delBase = medianMicros(runs, [&] { rewriteInPlace(QStringLiteral("track.txt"), catalogue999); },
                                        restore1000);
    report("delworksheet, first of 1000 titles", del, delBase, "in-place QFile rewrite");
    return 0;
}
