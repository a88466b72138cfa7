// The catalogue file "multiple\track.txt": reading it the two ways screens
// do, adding and removing titles, and that no failure ever leaves it damaged
// or loses a title, even with two programs saving into one folder.
#include "contentfolder.h"
#include "testregistry.h"
#include "wizarddriver.h"
#include "worksheets/catalogueread.h"
#include "worksheets/delworksheet.h"
#include "worksheets/trackworksheets.h"
#include "worksheets/worksheetfile.h"

#include <QProcess>
#include <QSet>
#include <QtTest>
#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QStringList sharedTitles()
{
    QStringList titles;
    for (int i = 1; i <= Module1.worksheetCount; ++i)
        titles.append(Module1.worksheetTitles[i]);
    return titles;
}

bool canCreateFileIn(const QString &dir)
{
    QFile probe(dir + QStringLiteral("/.probe"));
    return probe.open(QIODevice::WriteOnly) && probe.remove();
}

// Makes a folder refuse new files for as long as it lives. Permission bits
// do not stop root, so when they are not enough the folder is made immutable.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString &dir) : m_dir(QFile::encodeName(dir))
    {
        ::chmod(m_dir.constData(), 0555);
        m_immutable = canCreateFileIn(dir) && setImmutable(true);
        m_readOnly = !canCreateFileIn(dir);
    }
    ~ReadOnlyFolder()
    {
        if (m_immutable)
            setImmutable(false);
        ::chmod(m_dir.constData(), 0755);
    }
    bool isReadOnly() const { return m_readOnly; }

private:
    bool setImmutable(bool on)
    {
        const int fd = ::open(m_dir.constData(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        bool done = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        if (fd >= 0)
            ::close(fd);
        return done;
    }
    QByteArray m_dir;
    bool m_immutable = false;
    bool m_readOnly = false;
};

// Lets no file of this process grow past a size while it lives, the way a
// full disk stops a write part-way.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : m_previousHandler(std::signal(SIGXFSZ, SIG_IGN))
    {
        ::getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int);
};
} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT

private slots:
    // ---- reading

    // Both reads take the count with its spaces and the titles as written. A
    // read that fails keeps what it cannot read: a missing file changes
    // nothing, a bad count stops one read and is skipped by the other, a short
    // file keeps the old titles past its end, and titles past the 1000th have
    // no place.
    void readingTheCatalogue_data()
    {
        QTest::addColumn<QByteArray>("bytes");   // null: no file at all
        QTest::addColumn<QString>("policies");   // "stop", "skip" or both
        QTest::addColumn<bool>("complete");
        QTest::addColumn<QStringList>("titles"); // before: the first two of "old1" to "old4"
        const QString both = QStringLiteral("stop skip");
        const QStringList old{"old1", "old2"};
        QTest::newRow("as written") << QByteArray(" 2 \r\nAlpha\r\nBeta\r\n") << both << true << QStringList{"Alpha", "Beta"};
        QTest::newRow("no spaces") << QByteArray("2\r\nAlpha\r\nBeta") << both << true << QStringList{"Alpha", "Beta"};
        QTest::newRow("empty catalogue") << QByteArray(" 0 \r\n") << both << true << QStringList{};
        QTest::newRow("lines after the last title") << QByteArray(" 1 \r\nAlpha\r\nBeta\r\n") << both << true
                                                    << QStringList{"Alpha"};
        QTest::newRow("titles keep their case and spaces") << QByteArray(" 2 \r\n  the Romans  \r\nTHE ROMANS\r\n")
                                                           << both << true << QStringList{"the Romans  ", "THE ROMANS"};
        QTest::newRow("no file") << QByteArray() << both << false << old;
        QTest::newRow("short") << QByteArray(" 4 \r\nAlpha\r\nBeta\r\n") << both << false
                               << QStringList{"Alpha", "Beta", "old3", "old4"};
        QTest::newRow("bad count, stopping") << QByteArray("two\r\nAlpha\r\nBeta\r\n") << "stop" << false << old;
        QTest::newRow("bad count, skipping") << QByteArray("two\r\nAlpha\r\nBeta\r\n") << "skip" << false
                                             << QStringList{"Alpha", "Beta"};
        QTest::newRow("negative count") << QByteArray("-3\r\nAlpha\r\n") << "stop" << false << old;
        QTest::newRow("1001 titles") << catalogueBytes(numberedTitles(1001)) << both << false << numberedTitles(1000);
    }
    void readingTheCatalogue()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, policies);
        for (const QString &policy : policies.split(QLatin1Char(' '))) {
            ContentFolder folder;
            if (!bytes.isNull())
                folder.write("track.txt", bytes);
            Module1.worksheetCount = 2;
            for (int i = 1; i <= 4; ++i)
                Module1.worksheetTitles[i] = QStringLiteral("old%1").arg(i);
            const CatalogueRead read = readCatalogue(policy == QLatin1String("stop") ? CatalogueReadPolicy::StopAtFirstFailure
                                                                                     : CatalogueReadPolicy::SkipFailedSteps,
                                                     Module1.worksheetCount);
            keepCatalogue(read);
            QTEST(read.complete, "complete");
            QTEST(sharedTitles(), "titles");
        }
    }

    // ---- adding

    // A new title is appended, a listed one (even written unusually) leaves
    // the file alone, and a 1001st is refused; no lock or temporary file stays.
    void addingATitle_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QByteArray>("after");
        const QByteArray unusual("2\r\n  Alpha\r\nBeta"); // not as we would write it
        const QByteArray full = catalogueBytes(numberedTitles(1000));
        auto added = [](const QStringList &before, const char *title) {
            QTest::addRow("%s after %d", title, int(before.size()))
                << catalogueBytes(before) << QString::fromLatin1(title) << int(TrackOutcome::Added)
                << catalogueBytes(before + QStringList{title});
        };
        added({"Alpha", "Beta"}, "Gamma");
        added({}, "Alpha");
        added({"Alpha", "Beta"}, "alpha"); // differs only in case
        added(numberedTitles(999), "Last one");
        QTest::newRow("listed last") << unusual << "Beta" << int(TrackOutcome::AlreadyListed) << unusual;
        QTest::newRow("listed with spaces") << unusual << "Alpha" << int(TrackOutcome::AlreadyListed) << unusual;
        QTest::newRow("listed in a full catalogue") << full << "T1000" << int(TrackOutcome::AlreadyListed) << full;
        QTest::newRow("1001st") << full << "One too many" << int(TrackOutcome::CatalogueFull) << full;
    }
    void addingATitle()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, title);
        ContentFolder folder;
        folder.write("track.txt", before);
        QTEST(int(trackworksheets(title)), "outcome");
        QTEST(folder.read("track.txt"), "after");
        QCOMPARE(folder.entries(), QStringList{"track.txt"});
    }

    void catalogueTroubleIsReportedAndNothingWritten_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
        QTest::newRow("no catalogue file") << QByteArray();
        QTest::newRow("short catalogue") << QByteArray(" 3 \r\nAlpha\r\n");
        QTest::newRow("count is not a number") << QByteArray("many\r\nAlpha\r\n");
        QTest::newRow("more than 1000") << catalogueBytes(numberedTitles(1001));
        // A title with a comma could only be rewritten as two titles.
        QTest::newRow("quoted title with a comma") << QByteArray(" 2 \r\n\"Athens, Sparta\"\r\nBeta\r\n");
    }
    void catalogueTroubleIsReportedAndNothingWritten()
    {
        QFETCH(QByteArray, bytes);
        ContentFolder folder;
        if (!bytes.isEmpty())
            folder.write("track.txt", bytes);
        const QStringList before = folder.entries();
        QCOMPARE(trackworksheets(QStringLiteral("Gamma")), TrackOutcome::Failed);
        Module1.selectedWorksheet = QStringLiteral("Beta");
        QCOMPARE(delworksheet(Module1.selectedWorksheet), DeleteOutcome::Failed);
        QCOMPARE(folder.entries(), before);
        if (!bytes.isEmpty())
            QCOMPARE(folder.read("track.txt"), bytes);
    }

    // ---- removing

    // A title no longer listed (case matters) writes nothing but leaves the
    // shared catalogue as the file has it. The last match goes first, the
    // worksheet's own file stays, and the last title leaves a count of 0.
    void deletingRemovesTheLastMatchAndKeepsTheFile()
    {
        ContentFolder folder;
        const QByteArray bytes = catalogueBytes({"Alpha", "Beta", "Alpha", "Gamma"});
        folder.write("track.txt", bytes);
        folder.write("Alpha.txt", "worksheet\r\n");
        Module1.worksheetCount = 7;
        Module1.selectedWorksheet = QStringLiteral("beta");
        QCOMPARE(delworksheet(Module1.selectedWorksheet), DeleteOutcome::NotListed);
        QCOMPARE(folder.read("track.txt"), bytes);
        QCOMPARE(Module1.worksheetCount, 4);
        const QList<std::pair<QString, QStringList>> steps{{"Alpha", {"Alpha", "Beta", "Gamma"}},
                                                           {"Alpha", {"Beta", "Gamma"}},
                                                           {"Gamma", {"Beta"}},
                                                           {"Beta", {}}};
        for (const auto &[title, left] : steps) {
            Module1.selectedWorksheet = title;
            QCOMPARE(delworksheet(Module1.selectedWorksheet), DeleteOutcome::Deleted);
            QCOMPARE(folder.read("track.txt"), catalogueBytes(left));
            QCOMPARE(sharedTitles(), left);
        }
        QCOMPARE(folder.read("track.txt"), QByteArray(" 0 \r\n"));
        QCOMPARE(folder.entries(), (QStringList{"Alpha.txt", "track.txt"}));
        QCOMPARE(folder.read("Alpha.txt"), QByteArray("worksheet\r\n"));
    }

    // ---- failures part-way

    void aReadOnlyFolderLeavesEverythingByteIdentical()
    {
        ContentFolder folder;
        folder.write("track.txt", catalogueBytes({"Alpha", "Beta"}));
        folder.write("Alpha.txt", "worksheet\r\n");
        const QStringList before = folder.entries();
        {
            ReadOnlyFolder readOnly(folder.multiple());
            if (!readOnly.isReadOnly())
                QSKIP("cannot make a read-only folder here");
            QCOMPARE(trackworksheets(QStringLiteral("Gamma")), TrackOutcome::Failed);
            Module1.selectedWorksheet = QStringLiteral("Alpha");
            QCOMPARE(delworksheet(Module1.selectedWorksheet), DeleteOutcome::Failed);
            QCOMPARE(saveWorksheetFiles(sampleWorksheet(QStringLiteral("Alpha"))), SaveOutcome::NotWritten);
            QCOMPARE(saveWorksheetFiles(sampleWorksheet(QStringLiteral("Gamma"))), SaveOutcome::NotWritten);
        }
        QCOMPARE(folder.entries(), before);
        QCOMPARE(folder.read("track.txt"), catalogueBytes({"Alpha", "Beta"}));
        QCOMPARE(folder.read("Alpha.txt"), QByteArray("worksheet\r\n"));
    }

    void aDiskThatFillsPartWayLeavesTheCatalogueByteIdentical()
    {
        ContentFolder folder;
        const QStringList titles = numberedTitles(999, QStringLiteral("Worksheet number "));
        folder.write("track.txt", catalogueBytes(titles));
        const QByteArray before = folder.read("track.txt");
        QVERIFY(before.size() > 16 * 1024);
        {
            const FileSizeLimit diskFull(4096);
            QCOMPARE(trackworksheets(QStringLiteral("Gamma")), TrackOutcome::Failed);
            Module1.selectedWorksheet = QStringLiteral("Worksheet number 1");
            QCOMPARE(delworksheet(Module1.selectedWorksheet), DeleteOutcome::Failed);
        }
        QCOMPARE(folder.read("track.txt"), before);
        QCOMPARE(folder.entries(), QStringList{"track.txt"});
        // The shared catalogue still matches the file, not the failed rewrite.
        QCOMPARE(Module1.worksheetCount, 999);
        QCOMPARE(Module1.worksheetTitles[1], QStringLiteral("Worksheet number 1"));
    }

    void twoProgramsAppendingAtOnceLoseNoTitle()
    {
        const QString tool = QCoreApplication::applicationDirPath() + QStringLiteral("/../catalogue-append");
        if (!QFileInfo(tool).isExecutable())
            QFAIL("the catalogue-append tool is not built beside the tests");
        ContentFolder folder;
        folder.write("track.txt", catalogueBytes({}));
        QProcess left;
        QProcess right;
        left.start(tool, {folder.root(), QStringLiteral("Left"), QStringLiteral("50")});
        right.start(tool, {folder.root(), QStringLiteral("Right"), QStringLiteral("50")});
        QVERIFY(left.waitForFinished(300000));
        QVERIFY(right.waitForFinished(300000));
        QVERIFY2(left.exitCode() == 0, left.readAllStandardError().constData());
        QVERIFY2(right.exitCode() == 0, right.readAllStandardError().constData());

        const CatalogueRead read = readCatalogue(CatalogueReadPolicy::StopAtFirstFailure);
        keepCatalogue(read);
        QVERIFY(read.complete);
        QCOMPARE(Module1.worksheetCount, 100);
        const QStringList expected = numberedTitles(50, QStringLiteral("Left ")) + numberedTitles(50, QStringLiteral("Right "));
        const QStringList listed = sharedTitles();
        QCOMPARE(QSet<QString>(listed.begin(), listed.end()), QSet<QString>(expected.begin(), expected.end()));
        QCOMPARE(folder.entries(), QStringList{"track.txt"});
    }
};

VELMORA_TEST(CatalogueTest)
#include "cataloguetest.moc"
