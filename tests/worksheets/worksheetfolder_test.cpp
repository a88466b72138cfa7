// Where a teacher's saved worksheet goes: the build folder's own "multiple"
// folder, a shared folder named for the whole machine, or the user's data
// folder, typed and saved through the real wizard and checked byte for byte.
#include "support/testenv.h"
#include "testregistry.h"
#include "worksheets/wizard.h"
#include "worksheets/wizarddriver.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {
// Points the freedesktop folders at a private place for one story.
class XdgFolders {
public:
    XdgFolders() : m_config(qgetenv("XDG_CONFIG_DIRS")), m_data(qgetenv("XDG_DATA_HOME"))
    {
        qputenv("XDG_CONFIG_DIRS", (m_dir.path() + "/etc-xdg").toUtf8());
        qputenv("XDG_DATA_HOME", (m_dir.path() + "/data").toUtf8());
    }
    ~XdgFolders()
    {
        restore("XDG_CONFIG_DIRS", m_config);
        restore("XDG_DATA_HOME", m_data);
    }
    QString path(const QString &name) const { return m_dir.path() + '/' + name; }

private:
    static void restore(const char *name, const QByteArray &value)
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    QTemporaryDir m_dir;
    QByteArray m_config, m_data;
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
    // SHARED stands for a shared folder, SHIPPED for the settings file the package installs.
    void theWorksheetIsSavedInTheFolderThisComputerUses_data()
    {
        QTest::addColumn<bool>("ownFolder");  // the content beside the program has a writable "multiple"
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QByteArray>("sharedCatalogue");
        QTest::addColumn<QString>("savedIn"); // own, SHARED, data, or "" for nowhere
        QTest::addColumn<QByteArray>("catalogue");
        QTest::addColumn<QString>("message");
        const QByteArray shared = "[Worksheets]\nFolder=SHARED\n";
        const QByteArray listed = " 1 \r\nHeroes\r\n";
        const QString saved = QStringLiteral("Your worksheet has been saved.");
        QTest::newRow("build folder") << true << shared << QByteArray() << "own" << listed << saved;
        QTest::newRow("shared folder") << false << shared << QByteArray() << "SHARED" << listed << saved;
        QTest::newRow("shared catalogue kept") << false << shared << QByteArray(" 1 \r\nOld One\r\n") << "SHARED"
                                               << QByteArray(" 2 \r\nOld One\r\nHeroes\r\n") << saved;
        QTest::newRow("shipped settings") << false << QByteArray("SHIPPED") << QByteArray() << "data" << listed << saved;
        QTest::newRow("no settings") << false << QByteArray() << QByteArray() << "data" << listed << saved;
        QTest::newRow("shared folder missing")
            << false << QByteArray("[Worksheets]\nFolder=SHARED/not mounted\n") << QByteArray() << "" << QByteArray()
            << "The worksheet folder SHARED/not mounted cannot be found, so your worksheet has not been saved. "
               "Please ask whoever looks after this computer to check that folder.";
    }
    void theWorksheetIsSavedInTheFolderThisComputerUses()
    {
        QFETCH(bool, ownFolder);
        QFETCH(QByteArray, settings);
        QFETCH(QByteArray, sharedCatalogue);
        QFETCH(QString, savedIn);
        QFETCH(QString, message);
        TestEnvironment env;
        XdgFolders xdg;
        const QString sharedDir = xdg.path("shared");
        QDir().mkpath(sharedDir);
        if (!ownFolder)
            QDir(env.multipleDir()).removeRecursively();
        if (settings == "SHIPPED")
            settings = readFile(QStringLiteral(VELMORA_SOURCE_DIR "/packaging/velmora.conf"));
        if (!settings.isEmpty())
            writeFile(xdg.path("etc-xdg/velmora/velmora.conf"), settings.replace("SHARED", sharedDir.toUtf8()));
        if (!sharedCatalogue.isEmpty())
            writeFile(sharedDir + "/track.txt", sharedCatalogue);

        wizard &editor = openWizardFromMenu();
        const WorksheetContent worksheet = sampleWorksheet(QStringLiteral("Heroes"));
        typeWorksheet(editor, worksheet);
        env.messages.clear();
        clickSave(editor);
        QCOMPARE(env.messages, QStringList{message.replace("SHARED", sharedDir)});

        const QMap<QString, QString> folders{
            {"own", env.multipleDir()}, {"SHARED", sharedDir}, {"data", xdg.path("data/velmora/multiple")}};
        for (auto it = folders.begin(); it != folders.end(); ++it) {
            const bool here = it.key() == savedIn;
            QCOMPARE(readFile(it.value() + "/Heroes.txt"), here ? worksheetFileBytes(worksheet) : "<missing>");
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
