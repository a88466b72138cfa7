// The catalogue file "multiple\track.txt": reading it the two ways screens
// do, adding and removing titles, and that no failure ever leaves it damaged
// or loses a title, even with two programs saving into one folder.
#include "contentfolder.h"
#include "testregistry.h"
#include "worksheets/catalogueread.h"
#include "worksheets/delworksheet.h"
#include "worksheets/trackworksheets.h"
#include "worksheets/worksheetfile.h"
#include "worksheets/worksheetmessages.h"

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
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.remove();
    return true;
}

// Makes a folder refuse new files for as long as it lives. Permission bits
// do not stop root, so when they are not enough the folder is made immutable.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString &dir) : m_dir(QFile::encodeName(dir))
    {
        ::chmod(m_dir.constData(), 0555);
        if (canCreateFileIn(dir))
            m_immutable = setImmutable(true);
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
        if (fd < 0)
            return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (done) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
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
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
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
    void (*m_previousHandler)(int) = nullptr;
};

WorksheetContent anyWorksheet(const QString &title)
{
    WorksheetContent w;
    w.title = title;
    for (int q = 0; q < 10; ++q) {
        w.questions[q] = QStringLiteral("Q%1").arg(q + 1);
        for (int a = 0; a < 4; ++a)
            w.answers[4 * q + a] = QStringLiteral("answer");
        w.ticks[4 * q] = true;
    }
    return w;
}
} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT

private slots:
    // ---- reading

    void startUpReadWithNoFileKeepsTheCount()
    {
        ContentFolder folder;
        CatalogueReadResult read = readCatalogue(CatalogueReadPolicy::StopAtFirstFailure);
        QVERIFY(!read.complete);
        QCOMPARE(Module1.worksheetCount, 0);
        Module1.worksheetCount = 7;
        read = readCatalogue(CatalogueReadPolicy::SkipFailedSteps);
        QVERIFY(!read.complete);
        QCOMPARE(Module1.worksheetCount, 7);
    }

    void readsCountFieldsWithTheirSpaces_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("as written") << QByteArray(" 2 \r\nAlpha\r\nBeta\r\n") << QStringList{"Alpha", "Beta"};
        QTest::newRow("no spaces") << QByteArray("2\r\nAlpha\r\nBeta") << QStringList{"Alpha", "Beta"};
        QTest::newRow("wide spaces") << QByteArray("     1      \r\nAlpha\r\n") << QStringList{"Alpha"};
        QTest::newRow("empty catalogue") << QByteArray(" 0 \r\n") << QStringList{};
        QTest::newRow("lines after the last title") << QByteArray(" 1 \r\nAlpha\r\nBeta\r\n") << QStringList{"Alpha"};
        QTest::newRow("titles keep their case and spaces") << QByteArray(" 2 \r\n  the Romans  \r\nTHE ROMANS\r\n")
                                                           << QStringList{"the Romans  ", "THE ROMANS"};
    }
    void readsCountFieldsWithTheirSpaces()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, titles);
        for (auto policy : {CatalogueReadPolicy::StopAtFirstFailure, CatalogueReadPolicy::SkipFailedSteps}) {
            ContentFolder folder;
            folder.write("track.txt", bytes);
            const CatalogueReadResult read = readCatalogue(policy);
            QVERIFY(read.complete);
            QCOMPARE(read.titlesRead, titles.size());
            QCOMPARE(sharedTitles(), titles);
        }
    }

    void aShortFileKeepsWhatWasRead()
    {
        ContentFolder folder;
        folder.write("track.txt", " 4 \r\nAlpha\r\nBeta\r\n");
        for (int i = 1; i <= 4; ++i)
            Module1.worksheetTitles[i] = QStringLiteral("old%1").arg(i);
        const CatalogueReadResult read = readCatalogue(CatalogueReadPolicy::StopAtFirstFailure);
        QVERIFY(!read.complete);
        QCOMPARE(read.announcedCount, 4);
        QCOMPARE(read.titlesRead, 2);
        QCOMPARE(Module1.worksheetCount, 4);
        QCOMPARE(sharedTitles(), (QStringList{"Alpha", "Beta", "old3", "old4"}));
    }

    void moreThan1000TitlesKeepsTheFirst1000()
    {
        ContentFolder folder;
        folder.write("track.txt", catalogueBytes(numberedTitles(1001)));
        for (auto policy : {CatalogueReadPolicy::StopAtFirstFailure, CatalogueReadPolicy::SkipFailedSteps}) {
            Module1 = Module1State{};
            const CatalogueReadResult read = readCatalogue(policy);
            QVERIFY(!read.complete);
            QCOMPARE(read.announcedCount, 1001);
            QCOMPARE(read.titlesRead, 1000);
            QCOMPARE(Module1.worksheetCount, 1000);
            QCOMPARE(Module1.worksheetTitles[1000], QStringLiteral("T1000"));
        }
    }

    void aBadCountStopsOneReadAndIsSkippedByTheOther()
    {
        ContentFolder folder;
        folder.write("track.txt", "two\r\nAlpha\r\nBeta\r\n");
        Module1.worksheetCount = 2;
        Module1.worksheetTitles[1] = QStringLiteral("old1");
        readCatalogue(CatalogueReadPolicy::StopAtFirstFailure);
        QCOMPARE(sharedTitles(), (QStringList{"old1", ""}));
        // Step by step: the count keeps its value and the titles are read.
        readCatalogue(CatalogueReadPolicy::SkipFailedSteps);
        QCOMPARE(sharedTitles(), (QStringList{"Alpha", "Beta"}));

        folder.write("track.txt", "-3\r\nAlpha\r\n");
        const CatalogueReadResult read = readCatalogue(CatalogueReadPolicy::StopAtFirstFailure);
        QVERIFY(!read.complete);
        QCOMPARE(Module1.worksheetCount, 2);
    }

    // ---- adding

    void aNewTitleIsAppended_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("title");
        QTest::newRow("to two") << QStringList{"Alpha", "Beta"} << "Gamma";
        QTest::newRow("to none") << QStringList{} << "Alpha";
        QTest::newRow("differs only in case") << QStringList{"Alpha", "Beta"} << "alpha";
        QTest::newRow("the 1000th") << numberedTitles(999) << "Last one";
    }
    void aNewTitleIsAppended()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, title);
        ContentFolder folder;
        folder.write("track.txt", catalogueBytes(before));
        QCOMPARE(trackworksheets(title), TrackOutcome::Added);
        QCOMPARE(folder.read("track.txt"), catalogueBytes(before + QStringList{title}));
        QCOMPARE(Module1.worksheetCount, before.size()); // as read, before the append
        QCOMPARE(Module1.worksheetTitles[before.size() + 1], title);
        QCOMPARE(folder.entries(), QStringList{"track.txt"}); // no lock or temporary file left
    }

    void aListedTitleLeavesTheFileAlone()
    {
        ContentFolder folder;
        const QByteArray unusual("2\r\n  Alpha\r\nBeta"); // not as we would write it
        folder.write("track.txt", unusual);
        QCOMPARE(trackworksheets(QStringLiteral("Beta")), TrackOutcome::AlreadyListed);
        QCOMPARE(trackworksheets(QStringLiteral("Alpha")), TrackOutcome::AlreadyListed);
        QCOMPARE(folder.read("track.txt"), unusual);
    }

    void the1001stTitleIsRefusedWithTheFileUnchanged()
    {
        ContentFolder folder;
        folder.write("track.txt", catalogueBytes(numberedTitles(1000)));
        const QByteArray full = folder.read("track.txt");
        QCOMPARE(trackworksheets(QStringLiteral("One too many")), TrackOutcome::CatalogueFull);
        QCOMPARE(trackworksheets(QStringLiteral("T1000")), TrackOutcome::AlreadyListed);
        QCOMPARE(folder.read("track.txt"), full);

        // Saving a new worksheet then: its file is written, the catalogue is not.
        QCOMPARE(saveWorksheetFiles(anyWorksheet(QStringLiteral("One too many"))), SaveOutcome::WrittenNotListed);
        QCOMPARE(saveOutcomeMessage(SaveOutcome::WrittenNotListed), saveProblemMessage);
        QVERIFY(folder.exists("One too many.txt"));
        QCOMPARE(folder.read("track.txt"), full);
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
        QCOMPARE(delworksheet(), DeleteOutcome::Failed);
        QCOMPARE(folder.entries(), before);
        if (!bytes.isEmpty())
            QCOMPARE(folder.read("track.txt"), bytes);
    }

    // ---- removing

    void deletingRemovesTheLastMatchAndKeepsTheFile()
    {
        ContentFolder folder;
        folder.write("track.txt", catalogueBytes({"Alpha", "Beta", "Alpha", "Gamma"}));
        folder.write("Alpha.txt", "worksheet\r\n");
        Module1.selectedWorksheet = QStringLiteral("Alpha");
        QCOMPARE(delworksheet(), DeleteOutcome::Deleted);
        QCOMPARE(folder.read("track.txt"), catalogueBytes({"Alpha", "Beta", "Gamma"}));
        QCOMPARE(Module1.worksheetCount, 3);
        QCOMPARE(sharedTitles(), (QStringList{"Alpha", "Beta", "Gamma"}));
        QCOMPARE(folder.read("Alpha.txt"), QByteArray("worksheet\r\n"));

        QCOMPARE(delworksheet(), DeleteOutcome::Deleted);
        QCOMPARE(folder.read("track.txt"), catalogueBytes({"Beta", "Gamma"}));
        QCOMPARE(Module1.worksheetCount, 2);
    }

    void deletingAlphaFromAlphaAndBetaLeavesBeta()
    {
        ContentFolder folder;
        folder.write("track.txt", " 2 \r\nAlpha\r\nBeta\r\n");
        Module1.selectedWorksheet = QStringLiteral("Alpha");
        QCOMPARE(delworksheet(), DeleteOutcome::Deleted);
        QCOMPARE(folder.read("track.txt"), QByteArray(" 1 \r\nBeta\r\n"));
        QCOMPARE(Module1.worksheetCount, 1);
        QCOMPARE(Module1.worksheetTitles[1], QStringLiteral("Beta"));

        Module1.selectedWorksheet = QStringLiteral("Beta");
        QCOMPARE(delworksheet(), DeleteOutcome::Deleted);
        QCOMPARE(folder.read("track.txt"), QByteArray(" 0 \r\n"));
        QCOMPARE(Module1.worksheetCount, 0);
    }

    void deletingATitleNoLongerListedWritesNothing()
    {
        ContentFolder folder;
        const QByteArray bytes = catalogueBytes({"Alpha", "Beta"});
        folder.write("track.txt", bytes);
        Module1.worksheetCount = 3;
        Module1.selectedWorksheet = QStringLiteral("beta"); // case matters
        QCOMPARE(delworksheet(), DeleteOutcome::NotListed);
        QCOMPARE(folder.read("track.txt"), bytes);
        QCOMPARE(Module1.worksheetCount, 2); // the catalogue as the file has it
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
            QCOMPARE(delworksheet(), DeleteOutcome::Failed);
            QCOMPARE(saveWorksheetFiles(anyWorksheet(QStringLiteral("Alpha"))), SaveOutcome::NotWritten);
            QCOMPARE(saveWorksheetFiles(anyWorksheet(QStringLiteral("Gamma"))), SaveOutcome::NotWritten);
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
            QCOMPARE(delworksheet(), DeleteOutcome::Failed);
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

        QVERIFY(readCatalogue(CatalogueReadPolicy::StopAtFirstFailure).complete);
        QCOMPARE(Module1.worksheetCount, 100);
        const QStringList expected = numberedTitles(50, QStringLiteral("Left ")) + numberedTitles(50, QStringLiteral("Right "));
        const QStringList listed = sharedTitles();
        QCOMPARE(QSet<QString>(listed.begin(), listed.end()), QSet<QString>(expected.begin(), expected.end()));
        QCOMPARE(folder.entries(), QStringList{"track.txt"});
    }
};

VELMORA_TEST(CatalogueTest)
#include "cataloguetest.moc"
