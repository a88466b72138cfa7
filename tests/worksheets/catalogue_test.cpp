// The catalogue file "multiple\track.txt": reading it the two ways screens
// do, adding and removing titles, and that no failure ever leaves it damaged
// or loses a title, even with two programs saving into one folder.
#include "common/module1.h"
#include "support/pupil.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "worksheets/catalogueread.h"
#include "worksheets/delworksheet.h"
#include "worksheets/trackworksheets.h"

#include <QProcess>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

namespace {
QStringList sharedTitles()
{
    return QStringList(Module1.worksheetTitles.begin() + 1, Module1.worksheetTitles.begin() + 1 + Module1.worksheetCount);
}

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
    void readingTheCatalogue_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("policies");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<QStringList>("titles"); // before: a count of 2, titles "old1" to "old4"
        const QString both = QStringLiteral("stop skip");
        QTest::newRow("as written") << QByteArray(" 2 \r\n  the Romans  \r\nTHE ROMANS\r\nmore") << both << true
                                    << QStringList{"the Romans  ", "THE ROMANS"};
        QTest::newRow("empty catalogue") << QByteArray(" 0 \r\n") << both << true << QStringList{};
        QTest::newRow("no file") << QByteArray() << both << false << QStringList{"old1", "old2"};
        QTest::newRow("short") << QByteArray(" 4 \r\nAlpha\r\nBeta\r\n") << both << false << QStringList{"Alpha", "Beta", "old3", "old4"};
        QTest::newRow("bad count, stopping") << QByteArray("two\r\nAlpha\r\nBeta\r\n") << "stop" << false << QStringList{"old1", "old2"};
        QTest::newRow("bad count, skipping") << QByteArray("two\r\nAlpha\r\nBeta\r\n") << "skip" << false << QStringList{"Alpha", "Beta"};
        QTest::newRow("negative count") << QByteArray("-3\r\nAlpha\r\n") << "stop" << false << QStringList{"old1", "old2"};
        QTest::newRow("1001 titles") << catalogueBytes(numberedTitles(1001)) << both << false << numberedTitles(1000);
    }
    void readingTheCatalogue()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, policies);
        for (const QString &policy : policies.split(' ')) {
            TestEnvironment env;
            writeCatalogue(env, bytes);
            Module1.worksheetCount = 2;
            for (int i = 1; i <= 4; ++i)
                Module1.worksheetTitles[i] = QStringLiteral("old%1").arg(i);
            const auto skipping = policy == QLatin1String("skip") ? CatalogueReadPolicy::SkipFailedSteps
                                                                  : CatalogueReadPolicy::StopAtFirstFailure;
            const CatalogueRead read = readCatalogue(skipping, Module1.worksheetCount);
            keepCatalogue(read);
            QTEST(read.complete, "complete");
            QTEST(sharedTitles(), "titles");
        }
    }

    // A new title is appended; a listed one (even written unusually, or in a
    // full catalogue) leaves the file alone; a 1001st is refused. A catalogue
    // that cannot be read whole is rewritten by neither routine.
    void addingATitle_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QStringList>("after"); // empty: the file as before
        const QByteArray full = catalogueBytes(numberedTitles(1000));
        const int added = int(TrackOutcome::Added), listed = int(TrackOutcome::AlreadyListed), failed = int(TrackOutcome::Failed);
        QTest::newRow("first title") << catalogueBytes({}) << "Alpha" << added << QStringList{"Alpha"};
        QTest::newRow("differs in case") << catalogueBytes({"Alpha"}) << "alpha" << added << QStringList{"Alpha", "alpha"};
        QTest::newRow("the 1000th") << catalogueBytes(numberedTitles(999)) << "T1000" << added << numberedTitles(1000);
        QTest::newRow("listed with spaces") << QByteArray("2\r\n  Alpha\r\nBeta") << "Alpha" << listed << QStringList{};
        QTest::newRow("listed in a full catalogue") << full << "T1000" << listed << QStringList{};
        QTest::newRow("the 1001st") << full << "One too many" << int(TrackOutcome::CatalogueFull) << QStringList{};
        QTest::newRow("no catalogue") << QByteArray() << "Gamma" << failed << QStringList{};
        QTest::newRow("short") << QByteArray(" 3 \r\nAlpha\r\n") << "Gamma" << failed << QStringList{};
        QTest::newRow("over 1000") << catalogueBytes(numberedTitles(1001)) << "Gamma" << failed << QStringList{};
        // A quoted title with a comma could only be rewritten as two titles.
        QTest::newRow("quoted comma") << QByteArray(" 2 \r\n\"Athens, Sparta\"\r\nBeta\r\n") << "Gamma" << failed << QStringList{};
    }
    void addingATitle()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, title);
        QFETCH(int, outcome);
        QFETCH(QStringList, after);
        TestEnvironment env;
        writeCatalogue(env, before);
        const QStringList files = env.multipleFolder().keys();
        QCOMPARE(int(trackworksheets(title)), outcome);
        if (outcome == int(TrackOutcome::Failed))
            QCOMPARE(delworksheet(QStringLiteral("Beta")), DeleteOutcome::Failed);
        QCOMPARE(fileBytes(env, QStringLiteral("track.txt")),
                 !after.isEmpty() ? catalogueBytes(after) : before.isNull() ? QByteArray("<missing>") : before);
        QCOMPARE(env.multipleFolder().keys(), files); // no lock or temporary file stays
    }

    // The last match goes first; a title no longer listed (case matters)
    // writes nothing yet leaves the shared catalogue as the file has it.
    void removingTitles()
    {
        TestEnvironment env;
        writeCatalogue(env, catalogueBytes({"Alpha", "Beta", "Alpha", "Gamma"}));
        Module1.worksheetCount = 7;
        QCOMPARE(delworksheet(QStringLiteral("beta")), DeleteOutcome::NotListed);
        QCOMPARE(Module1.worksheetCount, 4);
        for (const auto &[title, left] : QList<std::pair<QString, QStringList>>{
                 {"Alpha", {"Alpha", "Beta", "Gamma"}}, {"Gamma", {"Alpha", "Beta"}}, {"Alpha", {"Beta"}}, {"Beta", {}}}) {
            QCOMPARE(delworksheet(title), DeleteOutcome::Deleted);
            QCOMPARE(fileBytes(env, QStringLiteral("track.txt")), catalogueBytes(left));
            QCOMPARE(sharedTitles(), left);
        }
    }

    // A disk that fills part-way leaves every file byte for byte as it was,
    // and the shared catalogue as read.
    void aFailedRewriteKeepsEverything()
    {
        TestEnvironment env;
        const QStringList titles = numberedTitles(999, QStringLiteral("Worksheet number "));
        writeCatalogue(env, catalogueBytes(titles));
        const QMap<QString, QByteArray> before = env.multipleFolder();
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit previous{};
        ::getrlimit(RLIMIT_FSIZE, &previous);
        rlimit diskFull = previous;
        diskFull.rlim_cur = 4096;
        ::setrlimit(RLIMIT_FSIZE, &diskFull);
        const TrackOutcome added = trackworksheets(QStringLiteral("Gamma"));
        const DeleteOutcome deleted = delworksheet(QStringLiteral("Worksheet number 1"));
        ::setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY(added == TrackOutcome::Failed && deleted == DeleteOutcome::Failed);
        QCOMPARE(env.multipleFolder(), before);
        QCOMPARE(sharedTitles(), titles);
    }

    void twoProgramsAddingAtOnceLoseNoTitle()
    {
        const QString tool = QCoreApplication::applicationDirPath() + QStringLiteral("/../catalogue-append");
        TestEnvironment env;
        writeCatalogue(env, catalogueBytes({}));
        QProcess left, right;
        left.start(tool, {env.contentDir(), QStringLiteral("Left"), QStringLiteral("50")});
        right.start(tool, {env.contentDir(), QStringLiteral("Right"), QStringLiteral("50")});
        QVERIFY(left.waitForFinished(300000) && right.waitForFinished(300000));
        QVERIFY2(left.exitCode() == 0 && right.exitCode() == 0, left.readAllStandardError() + right.readAllStandardError());
        QStringList listed = readCatalogue(CatalogueReadPolicy::StopAtFirstFailure).titles;
        listed.sort();
        QStringList expected = numberedTitles(50, QStringLiteral("Left ")) + numberedTitles(50, QStringLiteral("Right "));
        expected.sort();
        QCOMPARE(listed, expected);
    }
};

VELMORA_TEST(CatalogueTest)
#include "catalogue_test.moc"
