// Where a teacher's saved worksheet goes: the build folder's own "multiple"
// folder, a shared folder named for the whole machine, or the user's data
// folder, typed and saved through the real wizard (its bytes: e2e worksheet_flow).
#include "support/pupil.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "worksheets/wizard.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {
// Points the freedesktop folders into a private folder for one story (the
// tests run without them set).
struct XdgFolders {
    QTemporaryDir dir;
    XdgFolders()
    {
        qputenv("XDG_CONFIG_DIRS", (dir.path() + "/etc-xdg").toUtf8());
        qputenv("XDG_DATA_HOME", (dir.path() + "/data").toUtf8());
    }
    ~XdgFolders()
    {
        qunsetenv("XDG_CONFIG_DIRS");
        qunsetenv("XDG_DATA_HOME");
    }
    QString path(const QString &name) const { return dir.path() + '/' + name; }
};

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}
} // namespace

class WorksheetFolderTest : public QObject {
    Q_OBJECT
private slots:
    // SHARED stands for a shared folder that already lists "Old One", SHIPPED
    // for the settings file the package installs.
    void theWorksheetIsSavedInTheFolderThisComputerUses_data()
    {
        QTest::addColumn<bool>("ownFolder");  // the content beside the program has a writable "multiple"
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("savedIn"); // own, SHARED, data, or "" for nowhere
        QTest::addColumn<QByteArray>("catalogue");
        QTest::addColumn<QString>("message");
        const QByteArray shared = "[Worksheets]\nFolder=SHARED\n";
        const QByteArray listed = " 1 \r\nHeroes\r\n";
        const QString saved = QStringLiteral("Your worksheet has been saved.");
        QTest::newRow("build folder") << true << shared << "own" << listed << saved;
        QTest::newRow("shared folder") << false << shared << "SHARED" << QByteArray(" 2 \r\nOld One\r\nHeroes\r\n") << saved;
        QTest::newRow("shipped settings") << false << QByteArray("SHIPPED") << "data" << listed << saved;
        QTest::newRow("no settings") << false << QByteArray() << "data" << listed << saved;
        QTest::newRow("shared folder missing")
            << false << QByteArray("[Worksheets]\nFolder=SHARED/not mounted\n") << "" << QByteArray()
            << "The worksheet folder SHARED/not mounted cannot be found, so your worksheet has not been saved. "
               "Please ask whoever looks after this computer to check that folder.";
    }
    void theWorksheetIsSavedInTheFolderThisComputerUses()
    {
        QFETCH(bool, ownFolder);
        QFETCH(QByteArray, settings);
        QFETCH(QString, savedIn);
        QFETCH(QString, message);
        TestEnvironment env;
        XdgFolders xdg;
        const QString sharedDir = xdg.path("shared");
        writeFile(sharedDir + "/track.txt", " 1 \r\nOld One\r\n");
        if (!ownFolder)
            QDir(env.multipleDir()).removeRecursively();
        if (settings == "SHIPPED")
            settings = readFile(QStringLiteral(VELMORA_SOURCE_DIR "/packaging/velmora.conf"));
        if (!settings.isEmpty())
            writeFile(xdg.path("etc-xdg/velmora/velmora.conf"), settings.replace("SHARED", sharedDir.toUtf8()));

        wizard &editor = static_cast<wizard &>(clickMainMenuEntry(17)); // "Multiple Choice Wizard"
        const WorksheetContent worksheet = sampleWorksheet(QStringLiteral("Heroes"));
        typeWorksheet(editor, worksheet);
        env.messages.clear();
        clickOn(editor.Label3[1]); // "Save Worksheet"
        QCOMPARE(env.messages, QStringList{message.replace("SHARED", sharedDir)});

        const QMap<QString, QString> folders{
            {"own", env.multipleDir()}, {"SHARED", sharedDir}, {"data", xdg.path("data/velmora/multiple")}};
        for (auto it = folders.begin(); it != folders.end(); ++it) {
            const bool here = it.key() == savedIn;
            QCOMPARE(QFileInfo::exists(it.value() + "/Heroes.txt"), here);
            if (here)
                QTEST(readFile(it.value() + "/track.txt"), "catalogue");
        }
        // Nothing is lost when nothing could be saved: the boxes keep it all.
        QCOMPARE(editor.content().questions, worksheet.questions);
        QVERIFY(!QFileInfo::exists(sharedDir + "/not mounted"));
    }
};

VELMORA_TEST(WorksheetFolderTest)
#include "worksheetfolder_test.moc"
