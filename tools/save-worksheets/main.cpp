// Saves teachers' worksheets into the worksheet folder of a content folder the
// way the wizard does (worksheet file, then catalogue line, under the
// catalogue lock); used to check that programs saving into one shared folder
// never lose a worksheet, and that a program killed at any moment leaves every
// file whole.
//
// Usage: save-worksheets CONTENT_ROOT PREFIX COUNT [churn | stall MS]
// Saves PREFIX + " 1" to PREFIX + " COUNT", with a short random pause between
// them; exit status 0 when every one was saved, 1 when any failed, 2 on bad
// arguments. With "churn" it never ends: it saves (as version 1 to 3) or
// deletes one of those titles at random, again and again, and writes "." to
// standard output after each step that worked and "!" after one that did not.
// With "stall MS" each save, holding the catalogue lock, writes "stalling"
// and a line end and waits MS milliseconds before it puts track.txt in place
// (a hung network share, a slow virus scanner).
// Version v of a worksheet has the question texts "Version v question k".
#include "toolkit/atomicfile.h"
#include "toolkit/contentpath.h"
#include "worksheets/delworksheet.h"
#include "worksheets/worksheetfile.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QThread>
#include <cstdio>

namespace {
WorksheetContent version(const QString &title, int v)
{
    WorksheetContent worksheet;
    worksheet.title = title;
    for (int q = 0; q < questionsPerSet; ++q) {
        worksheet.questions[q] = QStringLiteral("Version %1 question %2").arg(v).arg(q + 1);
        for (int a = 0; a < answersPerQuestion; ++a)
            worksheet.answers[answersPerQuestion * q + a] = QStringLiteral("Answer %1 of version %2").arg(a).arg(v);
        worksheet.ticks[answersPerQuestion * q + q % answersPerQuestion] = true;
    }
    return worksheet;
}

[[noreturn]] void churn(const QString &prefix, int count)
{
    QRandomGenerator &random = *QRandomGenerator::global();
    for (;;) {
        const QString title = prefix + QLatin1Char(' ') + QString::number(random.bounded(count) + 1);
        bool worked = false;
        if (random.bounded(3) == 0) {
            const DeleteOutcome deleted = delworksheet(title).outcome;
            worked = deleted == DeleteOutcome::Deleted || deleted == DeleteOutcome::NotListed;
        } else {
            worked = saveWorksheetFiles(version(title, random.bounded(3) + 1)).outcome == SaveOutcome::Saved;
        }
        std::fputc(worked ? '.' : '!', stdout);
        std::fflush(stdout);
    }
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool countOk = false;
    const int count = args.size() >= 4 ? args[3].toInt(&countOk) : 0;
    const unsigned long stall = args.size() == 6 && args[4] == QLatin1String("stall") ? args[5].toULong() : 0;
    if (!countOk || count < 1 || (args.size() == 5 && args[4] != QLatin1String("churn")) || args.size() > 6
        || (args.size() == 6 && stall == 0)) {
        std::fprintf(stderr, "usage: save-worksheets CONTENT_ROOT PREFIX COUNT [churn | stall MS]\n");
        return 2;
    }
    setContentRoot(args[1]);
    if (args.size() == 5)
        churn(args[2], count);
    if (stall)
        setRenameOverStep([stall](const QString &temporary, const QString &target) {
            if (target.endsWith(QLatin1String("/track.txt"))) {
                std::printf("stalling\n");
                std::fflush(stdout);
                QThread::msleep(stall);
            }
            return platformRenameOver(temporary, target);
        });
    int failures = 0;
    for (int i = 1; i <= count; ++i) {
        const QString title = args[2] + QLatin1Char(' ') + QString::number(i);
        if (saveWorksheetFiles(version(title, 1)).outcome != SaveOutcome::Saved) {
            std::fprintf(stderr, "not saved: %s\n", qPrintable(title));
            ++failures;
        }
        QThread::msleep(QRandomGenerator::global()->bounded(4));
    }
    return failures == 0 ? 0 : 1;
}
