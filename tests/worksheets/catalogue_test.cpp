// The catalogue file "multiple\track.txt": reading it the two ways screens
// do, adding and removing titles, and that no failure ever leaves it damaged
// or loses a title, even with two programs saving into one folder.
#include "common/module1.h"
#include "support/platformprobe.h"
#include "support/datacolumns.h"
#include "support/pupil.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "toolkit/atomicfile.h"
#include "worksheets/cataloguelock.h"
#include "worksheets/catalogueread.h"
#include "worksheets/delworksheet.h"
#include "worksheets/questionloader.h"
#include "worksheets/worksheetfile.h"
#include "worksheets/worksheetmessages.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

namespace {
QStringList sharedTitles()
{
    return QStringList(Module1.worksheetTitles.begin() + 1, Module1.worksheetTitles.begin() + 1 + Module1.worksheetCount);
}

QString saverTool() { return QCoreApplication::applicationDirPath() + QStringLiteral("/../save-worksheets"); }

// Replaces the catalogue file; null bytes: no file at all.
void writeCatalogue(const TestEnvironment &env, const QByteArray &bytes) { writeFileBytes(env, QStringLiteral("track.txt"), bytes); }

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    // Both reads take the count with its spaces and the titles as written. A
    // failed read keeps what it cannot read: no file changes nothing, a bad
    // count stops one read and is skipped by the other (which then reads as
    // many titles as before), a short file keeps the old titles past its
    // end, and titles past the 1000th have no slot.
    void readingTheCatalogue()
    {
        using enum CatalogueReadPolicy;
        const QList<CatalogueReadPolicy> both{StopAtFirstFailure, SkipFailedSteps}, stop{StopAtFirstFailure}, skip{SkipFailedSteps};
        // The titles before: a count of 2, titles "old1" to "old4". Null bytes: no file.
        const struct { QByteArray bytes; QList<CatalogueReadPolicy> policies; bool complete; QStringList titles; } rows[] = {
            {" 2 \r\n  the Romans  \r\nTHE ROMANS\r\nmore", both, true, {"the Romans  ", "THE ROMANS"}},
            {" 3 \r\nAthens, Sparta\r\n \"Troy, 1184 BC\" x,y\r\nZ\r\n", both, true, {"Athens, Sparta", "Troy, 1184 BC", "Z"}},
            {" 0 \r\n", both, true, {}},
            {QByteArray(), both, false, {"old1", "old2"}},
            {" 4 \r\nAlpha\r\nBeta\r\n", both, false, {"Alpha", "Beta", "old3", "old4"}},
            {"two\r\nAlpha\r\nBeta\r\n", stop, false, {"old1", "old2"}},
            {"two\r\nAlpha\r\nBeta\r\n", skip, false, {"Alpha", "Beta"}},
            {"-3\r\nAlpha\r\n", stop, false, {"old1", "old2"}},
            {catalogueBytes(numberedTitles(1001)), both, false, numberedTitles(1000)}};
        for (const auto &row : rows)
            for (const CatalogueReadPolicy policy : row.policies) {
                TestEnvironment env;
                writeCatalogue(env, row.bytes);
                Module1.worksheetCount = 2;
                for (int i = 1; i <= 4; ++i)
                    Module1.worksheetTitles[i] = QStringLiteral("old%1").arg(i);
                const CatalogueRead read = readCatalogue(policy, Module1.worksheetCount);
                keepCatalogue(read);
                QCOMPARE(read.complete, row.complete);
                QCOMPARE(sharedTitles(), row.titles);
            }
    }

    // Saving appends a new title; a listed one (even written unusually, or in
    // a full catalogue) leaves the catalogue alone; a 1001st, or a title that
    // differs from a listed one only in letter case, is refused. A catalogue
    // that cannot be read whole is rewritten by neither saving nor deleting.
    void addingATitle()
    {
        using enum SaveOutcome;
        const QByteArray full = catalogueBytes(numberedTitles(1000)), same; // after null: the file as before
        const struct { QByteArray before; QString title; SaveOutcome outcome; QByteArray after; } rows[] = {
            {catalogueBytes({}), "Alpha", Saved, catalogueBytes({"Alpha"})},
            {catalogueBytes({"Alpha"}), "alpha", TitleRefused, same}, // differs in case
            {catalogueBytes(numberedTitles(999)), "T1000", Saved, catalogueBytes(numberedTitles(1000))},
            {"2\r\n  Alpha\r\nBeta", "Alpha", Saved, same}, // listed with spaces
            {" 1 \r\nAthens, Sparta\r\n", "Athens, Sparta", Saved, same},
            {full, "T1000", Saved, same},
            {full, "One too many", NotSaved, same},
            {QByteArray(), "Gamma", Saved, " 1 \r\nGamma\r\n"}, // no catalogue yet
            {" 3 \r\nAlpha\r\n", "Gamma", NotSaved, same},
            {catalogueBytes(numberedTitles(1001)), "Gamma", NotSaved, same},
            {QByteArray(" 2 \r\nA\r\n") + QByteArray(9000, 'x'), "Gamma", NotSaved, same}, // an endless line
            // Every line read is written back byte for byte, commas, quotes and spaces included.
            {"4\nAlpha\r\nAthens, Sparta\r\n  \"Troy, 1184\" x \rShort\r\n", "Gamma", Saved,
             " 5 \r\nAlpha\r\nAthens, Sparta\r\n  \"Troy, 1184\" x \r\nShort\r\nGamma\r\n"}};
        for (const auto &[before, title, outcome, after] : rows) {
            TestEnvironment env;
            writeCatalogue(env, before);
            QStringList files = env.multipleFolder().keys() << QStringLiteral("track.txt");
            const SaveResult saved = saveWorksheetFiles(sampleWorksheet(title));
            QCOMPARE(saved.outcome, outcome);
            if (saved.problem == StoreProblem::CatalogueDamaged)
                QCOMPARE(delworksheet(QStringLiteral("Beta")).outcome, DeleteOutcome::Failed);
            if (saved.outcome == Saved)
                files << title + QStringLiteral(".txt");
            files.removeDuplicates();
            files.sort();
            QCOMPARE(fileBytes(env, QStringLiteral("track.txt")), after.isNull() ? before : after);
            QCOMPARE(env.multipleFolder().keys(), files); // no lock or temporary file stays
        }
    }

    // The last match goes first; a title no longer listed (case matters)
    // writes nothing yet leaves the shared catalogue as the file has it; an
    // older title with a comma stays whole and in its place.
    void removingTitles()
    {
        TestEnvironment env;
        writeCatalogue(env, catalogueBytes({"Alpha", "Beta", "Athens, Sparta", "Alpha", "Gamma"}));
        Module1.worksheetCount = 7;
        QCOMPARE(delworksheet(QStringLiteral("beta")).outcome, DeleteOutcome::NotListed);
        QCOMPARE(Module1.worksheetCount, 5);
        for (const auto &[title, left] : QList<std::pair<QString, QStringList>>{
                 {"Alpha", {"Alpha", "Beta", "Athens, Sparta", "Gamma"}}, {"Alpha", {"Beta", "Athens, Sparta", "Gamma"}},
                 {"Athens, Sparta", {"Beta", "Gamma"}}, {"Gamma", {"Beta"}}, {"Beta", {}}}) {
            QCOMPARE(delworksheet(title).outcome, DeleteOutcome::Deleted);
            QCOMPARE(fileBytes(env, QStringLiteral("track.txt")), catalogueBytes(left));
            QCOMPARE(sharedTitles(), left);
        }
    }

    // A shared folder on a disk that fills part-way, then mounted read-only
    // too: every file stays byte for byte as it was, and the teacher is told which.
    void aFullOrReadOnlyFolderKeepsEverything()
    {
        TestEnvironment env;
        QTemporaryDir xdg;
        const QString shared = xdg.filePath(QStringLiteral("shared"));
        writeBytes(xdg.filePath(QStringLiteral("etc/velmora/velmora.conf")), "[Worksheets]\nFolder=" + shared.toUtf8());
        qputenv("XDG_CONFIG_DIRS", xdg.filePath(QStringLiteral("etc")).toUtf8());
        QDir(env.multipleDir()).removeRecursively();
        QDir().mkpath(shared);
        const auto unmount = qScopeGuard([&] { QProcess::execute("umount", {shared}); qunsetenv("XDG_CONFIG_DIRS"); });
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=1m", "tmpfs", shared}) != 0)
            QSKIP("cannot mount a small file system for the worksheet folder (needs root)");
        writeBytes(shared + "/track.txt", catalogueBytes(numberedTitles(999, QStringLiteral("Worksheet number "))));
        // Room for a worksheet, not for the catalogue's rewrite.
        writeBytes(shared + "/filler", QByteArray(QStorageInfo(shared).bytesAvailable() - 16 * 1024, 'x'));
        QMap<QString, QByteArray> before;
        for (const QString &name : QDir(shared).entryList(QDir::Files | QDir::Hidden))
            before.insert(name, readBytes(shared + '/' + name));
        for (const bool readOnly : {false, true}) { // full first, then mounted read-only as well
            QVERIFY(!readOnly || QProcess::execute("mount", {"-o", "remount,ro", shared}) == 0);
            const QString reason = readOnly ? "Velmora is not allowed to write in the worksheet folder " + shared
                                                  + ". Please ask whoever looks after this computer to check it."
                                            : "The disk that holds the worksheet folder " + shared + " is full.";
            QCOMPARE(saveOutcomeMessage(saveWorksheetFiles(sampleWorksheet(QStringLiteral("Gamma"))), QStringLiteral("Gamma")),
                     "There was a problem saving your worksheet\n\n" + reason);
            const DeleteResult deleted = delworksheet(QStringLiteral("Worksheet number 2"));
            QCOMPARE(deleteProblemMessage(deleted.problem, deleted.folder, "Two"), "The worksheet Two has not been deleted.\n\n" + reason);
            QCOMPARE(QDir(shared).entryList(QDir::Files | QDir::Hidden), before.keys());
            for (const QString &name : before.keys())
                QCOMPARE(readBytes(shared + '/' + name), before[name]);
        }
    }

    // The catalogue cannot take the title once the worksheet file is written
    // (its disk fills): a new worksheet's file goes again, and a file already
    // in the folder but no longer listed gets its own bytes back.
    void aCatalogueThatCannotTakeTheTitleLeavesTheFolderAsItWas()
    {
        TestEnvironment env;
        writeCatalogue(env, catalogueBytes({"Alpha"}));
        writeQuestionFile(env, QStringLiteral("Unlisted.txt"), QStringLiteral("Unlisted"));
        const QMap<QString, QByteArray> before = env.multipleFolder();
        setRenameOverStep([](const QString &temporary, const QString &target) {
            return target.endsWith(QLatin1String("/track.txt")) ? FileProblem::DiskFull : platformRenameOver(temporary, target);
        });
        const auto restore = qScopeGuard([] { setRenameOverStep({}); });
        for (const QString &title : {QStringLiteral("Unlisted"), QStringLiteral("New")}) {
            QCOMPARE(saveOutcomeMessage(saveWorksheetFiles(sampleWorksheet(title)), title),
                     "There was a problem saving your worksheet\n\nThe disk that holds the worksheet folder " + env.multipleDir() + " is full.");
            QCOMPARE(env.multipleFolder(), before);
        }
    }

    // A lock left over on another computer is taken over once unchanged for
    // the takeover time. One taken meanwhile, before the move, and one made
    // while the place stands empty are never removed (the first stays aside,
    // for its holder to find gone); the title goes in once the last is stale.
    void aLockTakenMeanwhileIsNeverRemoved()
    {
        TestEnvironment env;
        const QByteArrayList locks{"4242\nvelmora\nanother-pc\n", "4343\nvelmora\nthird-pc\n", "4444\nvelmora\nfourth-pc\n"};
        writeCatalogue(env, catalogueBytes({}));
        writeFileBytes(env, QStringLiteral("track.txt.lock"), locks[0]);
        int calls = 0;
        CatalogueLock::setTakeOverHook([&] {
            if (++calls <= 2) // before the first move, then while the place is empty
                writeFileBytes(env, QStringLiteral("track.txt.lock"), locks[calls]);
        });
        const auto restore = qScopeGuard([] { CatalogueLock::setTakeOverHook({}); });
        QCOMPARE(saveWorksheetFiles(sampleWorksheet(QStringLiteral("Heroes"))).outcome, SaveOutcome::Saved);
        QMap<QString, QByteArray> files = env.multipleFolder();
        QCOMPARE(files.take(QStringLiteral("track.txt")), catalogueBytes({"Heroes"}));
        QCOMPARE(files.keys().filter(QStringLiteral("track")).size(), 1);
        QCOMPARE(files.value(files.keys().filter(QStringLiteral("track.txt.lock.")).value(0)), locks[1]);
    }

    // Two programs saving into one folder at once list every title with its
    // file. A save held up ten seconds under the lock (a hung share) keeps it:
    // the other waits. A holder killed mid-save leaves its lock, taken over at
    // once on this computer, after the takeover time from another.
    void programsSavingIntoOneFolderLoseNothing_data()
    {
        // first: the first program's arguments after its prefix; second: how many
        // the second saves; firstEnds: "saved", "killed" or "killed on another computer"
        columns<QStringList, int, QString>("first", "second", "firstEnds");
        QTest::newRow("at once") << QStringList{"50"} << 50 << "saved";
        QTest::newRow("a save stalls ten seconds") << QStringList{"1", "stall", "10000"} << 5 << "saved";
        QTest::newRow("killed mid-save") << QStringList{"1", "stall", "60000"} << 5 << "killed";
        QTest::newRow("killed on another computer") << QStringList{"1", "stall", "60000"} << 5 << "killed on another computer";
    }
    void programsSavingIntoOneFolderLoseNothing()
    {
        QFETCH(QStringList, first);
        QFETCH(int, second);
        QFETCH(QString, firstEnds);
        TestEnvironment env;
        writeCatalogue(env, catalogueBytes({}));
        QProcess left, right;
        left.start(saverTool(), QStringList{env.contentDir(), QStringLiteral("Left")} + first);
        QVERIFY(!first.contains(QStringLiteral("stall")) || left.waitForReadyRead(60000)); // holding the lock
        if (firstEnds.startsWith(QLatin1String("killed"))) {
            left.kill();
            QVERIFY(left.waitForFinished());
        }
        if (firstEnds.endsWith(QLatin1String("computer"))) {
            QByteArrayList lock = fileBytes(env, QStringLiteral("track.txt.lock")).split('\n');
            lock[2] = lock[3] = "another-pc"; // its computer's name and number
            writeFileBytes(env, QStringLiteral("track.txt.lock"), lock.join('\n'));
        }
        QElapsedTimer waited;
        waited.start();
        right.start(saverTool(), {env.contentDir(), QStringLiteral("Right"), QString::number(second)});
        const bool bothSave = firstEnds == QLatin1String("saved");
        QVERIFY(right.waitForFinished(300000) && (!bothSave || left.waitForFinished(300000)));
        QVERIFY2((!bothSave || left.exitCode() == 0) && right.exitCode() == 0, left.readAllStandardError() + right.readAllStandardError());
        qInfo("the second program took %lld ms", waited.elapsed());
        QVERIFY(!firstEnds.endsWith(QLatin1String("computer")) || (waited.elapsed() >= SharedLock::takeOverMilliseconds
                                                                  && waited.elapsed() < 3 * SharedLock::takeOverMilliseconds));
        QStringList listed = readCatalogue(CatalogueReadPolicy::StopAtFirstFailure).titles;
        listed.sort();
        QStringList expected = numberedTitles(second, QStringLiteral("Right "));
        if (bothSave)
            expected += numberedTitles(first[0].toInt(), QStringLiteral("Left "));
        expected.sort();
        QCOMPARE(listed, expected);
        for (const QString &title : expected)
            QCOMPARE(loadWorksheetQuestions(title), QuestionFileLoad::Loaded);
    }
};

// A program killed at any moment of a save or a deletion (a power cut, a
// crash) leaves the catalogue and every worksheet either as they were or as
// they became, never cut short or mixed, and every listed title has its
// file; the next program takes over the lock the killed one left at once.
class KilledSavesTest : public QObject {
    Q_OBJECT
private slots:
    void everyFileIsOldOrNewAfterEachKill()
    {
        TestEnvironment env;
        QRandomGenerator random(20261207);
        int steps = 0;
        // Wine starts each program in a second, and the sanitizer build looks
        // for memory faults, which fewer kills find as well; 200 land anywhere.
#ifdef __SANITIZE_ADDRESS__
        const int kills = 40;
#else
        const int kills = runsUnderWine() ? 20 : 200;
#endif
        for (int kill = 1; kill <= kills; ++kill) {
            QProcess saver;
            saver.start(saverTool(), {env.contentDir(), QStringLiteral("Kill"), QStringLiteral("8"), QStringLiteral("churn")});
            const int wanted = random.bounded(1, 4);
            QByteArray done;
            while (done.size() < wanted && saver.waitForReadyRead(30000))
                done += saver.readAllStandardOutput();
            QVERIFY2(done.size() >= wanted && !done.contains('!'), qPrintable(QStringLiteral("kill %1: %2").arg(kill).arg(done)));
            // Not a wait for anything: the kill lands at a random moment of a later step.
            QThread::usleep(random.bounded(4000));
            saver.kill(); // SIGKILL, or TerminateProcess on Windows
            QVERIFY(saver.waitForFinished());
            steps += done.size();
            const CatalogueRead read = readCatalogue(CatalogueReadPolicy::StopAtFirstFailure);
            QVERIFY2(read.complete && QSet<QString>(read.titles.begin(), read.titles.end()).size() == read.titles.size(), "torn catalogue");
            const QStringList files = QDir(env.multipleDir()).entryList({QStringLiteral("Kill *.txt")});
            for (const QString &title : read.titles)
                QVERIFY2(files.contains(title + ".txt"), qPrintable(title + " is listed without its file"));
            for (const QString &file : files) {
                QCOMPARE(loadWorksheetQuestions(file.chopped(4)), QuestionFileLoad::Loaded);
                const QString version = Module1.questionText[1].section(' ', 1, 1);
                for (int k = 1; k <= 10; ++k)
                    QCOMPARE(Module1.questionText[k], QStringLiteral("Version %1 question %2").arg(version).arg(k));
            }
        }
        qInfo("%d steps in %d runs", steps, kills);
    }
};

VELMORA_TEST(CatalogueTest)
VELMORA_TEST(KilledSavesTest)
#include "catalogue_test.moc"
