// How long moving questions through GIFT and Aiken files takes, as medians,
// each beside a baseline measured in the same run on the same data:
//   import - a file of nearly a megabyte (the largest an import reads),
//            read, parsed and fitted, against reading it whole and splitting
//            it into lines (the least any reader could do);
//   export - every worksheet of a catalogue of 100 written to one file,
//            against loading the same 100 worksheet files and writing the
//            same bytes with a plain QFile.
//
// Usage: bench_question_transfer [runs]   (default 20)
#include "toolkit/contentpath.h"
#include "worksheets/aikenformat.h"
#include "worksheets/giftformat.h"
#include "worksheets/questionloader.h"
#include "worksheets/worksheetexport.h"
#include "worksheets/worksheetfile.h"
#include "worksheets/worksheetimport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "benchutil.h"

namespace {
WorksheetContent worksheetNumbered(int n)
{
    WorksheetContent worksheet;
    worksheet.title = QStringLiteral("Class worksheet %1").arg(n);
    for (int i = 0; i < answerBoxes; ++i) {
        worksheet.questions[i / answersPerQuestion] = QStringLiteral("Which soldiers fought in a phalanx, %1?").arg(i);
        worksheet.answers[i] = QStringLiteral("Hoplites {%1} = #%2").arg(n).arg(i);
        worksheet.ticks[i] = i % answersPerQuestion == n % answersPerQuestion;
    }
    return worksheet;
}

// Copies of the worksheets until the file is as large as an import takes.
QByteArray largestFile(const QList<WorksheetContent> &worksheets, bool gift)
{
    const QByteArray one = textFileBytes(gift ? writeGift(worksheets) : writeAiken(worksheets));
    return one.repeated((1 << 20) / one.size());
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

void compare(const char *what, double ms, double baselineMs)
{
    std::printf("%-44s %9.2f ms   baseline %9.2f ms   ratio %6.2f\n", what, ms, baselineMs, ms / baselineMs);
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(3, QByteArray(argv[1]).toInt()) : 20;
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("multiple"));
    setContentRoot(dir.path());
    QList<WorksheetContent> worksheets;
    QStringList titles;
    for (int n = 1; n <= 100; ++n) {
        worksheets << worksheetNumbered(n);
        titles << worksheets.last().title;
        if (saveWorksheetFiles(worksheets.last()).outcome != SaveOutcome::Saved)
            qFatal("worksheet %d not saved", n);
    }
    std::printf("GIFT and Aiken files, median of %d runs\n", runs);
    const QString path = dir.filePath(QStringLiteral("bank"));
    const auto readWhole = [&path] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || file.readAll().split('\n').size() < 2)
            qFatal("cannot read the file");
    };
    for (const bool gift : {true, false}) {
        writeFile(path, largestFile(worksheets, gift));
        const double import = median(timeRuns(runs, [&path] {
            if (importQuestionFile(path).moreFitting == 0)
                qFatal("nothing imported");
        }));
        compare(gift ? "import, GIFT file of 1 MB" : "import, Aiken file of 1 MB", import, median(timeRuns(runs, readWhole)));
    }
    const QString out = dir.filePath(QStringLiteral("all.gift"));
    const double exported = median(timeRuns(runs, [&] {
        if (writeExportFile(out, selectForExport(titles, ExportFormat::Gift).worksheets, ExportFormat::Gift) != FileProblem::None)
            qFatal("not exported");
    }));
    const QByteArray bytes = textFileBytes(writeGift(worksheets));
    const double plain = median(timeRuns(runs, [&] {
        for (const QString &title : titles)
            loadWorksheetQuestions(title);
        writeFile(out, bytes);
    }));
    compare("export, 100 worksheets to one GIFT file", exported, plain);
    return 0;
}
