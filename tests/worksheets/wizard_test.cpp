// The Multiple Choice Wizard as a teacher uses it: typing key by key,
// ticking by clicks, Tab and Enter to move on, and "Save Worksheet" naming a
// fault, refusing what no file could hold, or writing the file and the
// catalogue into the folder this computer keeps worksheets in. (Each rule on
// its own: WorksheetFilesTest.)
#include "common/module1.h"
#include "shell/intro0.h"
#include "support/datacolumns.h"
#include "support/pupil.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "toolkit/sharedlock.h"
#include "worksheets/cataloguelock.h"
#include "worksheets/wizard.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <sys/stat.h>

namespace {
wizard &openWizard() { return static_cast<wizard &>(clickMainMenuEntry(17)); }

// Saves and returns the one message it showed.
QString save(TestEnvironment &env, wizard &editor)
{
    env.messages.clear();
    clickOn(editor.Label3[1]);
    return env.messages.join(QStringLiteral(" | "));
}
} // namespace

class WizardTest : public QObject {
    Q_OBJECT
private slots:
    // The wizard opens above the menu with the title box focused; each kind
    // of box takes no more than its limit. Escape leaves an empty or a
    // just-saved wizard at once; after a change Escape and "Exit" ask first:
    // Cancel, the default, stays; OK keeps nothing. By keys alone a
    // worksheet is saved: Enter and Tab through every box, Space on the
    // right ticks, Enter on "Save Worksheet".
    void typingSavingAndLeaving()
    {
        TestEnvironment env;
        Module1.soundOn = 1;
        const QMap<QString, QByteArray> before = env.multipleFolder();
        touch<intro0>().showScreen();
        tabTo(touch<intro0>().Label2[17], Qt::Key_Return);
        pressKey(Qt::Key_Escape);
        wizard &editor = openWizard();
        QVERIFY(touch<intro0>().isVisible() && editor.focusWidget() == editor.Text1);
        QCOMPARE(env.sound->playedWithTop.last(), QStringLiteral("wav\\click.wav@wizard"));
        const QString typed = QStringLiteral("abcdefghij").repeated(8);
        for (QLineEdit *box : std::initializer_list<QLineEdit *>{editor.Text1, editor.Text2[3], editor.Text3[17]})
            typeInto(box, typed);
        QCOMPARE((QList<qsizetype>{editor.Text1->text().size(), editor.Text2[3]->text().size(), editor.Text3[17]->text().size()}),
                 (QList<qsizetype>{25, 60, 30}));
        clickBox(editor.Check1[17]);
        pressKey(Qt::Key_Escape); // asks first; Enter answers Cancel, the default
        env.answers = {MsgResult::Cancel, MsgResult::Ok};
        clickOn(editor.Label3[0]);
        clickOn(editor.Label3[0]);
        QVERIFY(topScreenName() == QLatin1String("intro0") && env.messages.size() == 3 && env.multipleFolder() == before);
        QVERIFY(openWizard().content().title.isEmpty() && !touch<wizard>().Check1[17]->isChecked());
        const WorksheetContent worksheet = sampleWorksheet(QStringLiteral("Heroes"));
        saveWorksheetByKeys(worksheet);
        QCOMPARE(env.messages.last(), QStringLiteral("Your worksheet has been saved."));
        QCOMPARE(fileBytes(env, QStringLiteral("track.txt")), catalogueBytes({"Heroes"}));
        QVERIFY(touch<wizard>().content().answers == worksheet.answers && touch<wizard>().content().ticks == worksheet.ticks);
        typeInto(touch<wizard>().Text3[7], QStringLiteral("!"));
        pressKey(Qt::Key_Escape); // changed since saving: asks, and Enter stays
        QVERIFY(topScreenName() == QLatin1String("wizard") && env.messages.size() == 5);
        QTest::keyClick(touch<wizard>().Text3[7], Qt::Key_Backspace);
        pressKey(Qt::Key_Escape);
        QCOMPARE(topScreenName(), QStringLiteral("intro0"));
    }

    // A first fault is named; what no catalogue or worksheet file could hold,
    // a title that differs from a listed one only in letter case (a Windows
    // folder would give both one file) and a full catalogue are refused,
    // saying why, with nothing written and the text left as typed. (A saved
    // worksheet, byte for byte: e2e lesson.)
    void refusalsLeaveTheFolderAlone()
    {
        const struct { QString title; int catalogueTitles; QString message, answerB3 = QStringLiteral("Answer 3B"); } rows[] = {
            {"", 1, "You have not chosen a title for your worksheet"},
            {"Athens, Sparta", 1, "A worksheet title cannot contain a comma. Please change the title."},
            {"Persians", 1, QStringLiteral("Answer B of Question 3 holds characters that a worksheet cannot keep: \u03b1\u03b2. "
                                           "Please type something else in their place."), QStringLiteral("\u03b1 and \u03b2")},
            {"Persians", 1, "Answer B of Question 3 begins with a double quote (\"), which a worksheet cannot keep there. Please "
                            "put a word before it or leave it out.", "\"No\" he said"},
            {"t1", 1, "There is already a worksheet called \"T1\". A title that differs from it only in capital letters would "
                      "replace it, so please choose another title, or open \"T1\" from the Worksheet Catalogue to change it."},
            {"One Too Many", 1000, "There was a problem saving your worksheet\n\nThe Worksheet Catalogue already holds 1000 "
                                   "worksheets. Please delete one that is no longer needed, then save again."}};
        for (const auto &row : rows) {
            TestEnvironment env;
            writeFileBytes(env, QStringLiteral("track.txt"), catalogueBytes(numberedTitles(row.catalogueTitles)));
            const QMap<QString, QByteArray> before = env.multipleFolder();
            wizard &editor = openWizard();
            WorksheetContent worksheet = sampleWorksheet(row.title);
            worksheet.answers[9] = row.answerB3;
            typeWorksheet(editor, worksheet);
            QCOMPARE(save(env, editor), row.message);
            QCOMPARE(env.multipleFolder(), before);
            QCOMPARE(editor.content().answers, worksheet.answers);
        }
    }

    // The worksheet goes to the content's own "multiple" folder when there is
    // one (the build folder), else to the folder the machine's settings name,
    // which must exist (a share not mounted is never replaced by an empty
    // folder), else to the user's data folder. SHARED: a shared folder
    // listing "Old One"; SHIPPED: the settings file the package installs.
    void savingGoesToTheFolderThisComputerUses_data()
    {
        // savedIn: own, SHARED, data, or "" for nowhere
        columns<bool, QByteArray, QString, QByteArray, QString>("ownFolder", "settings", "savedIn", "catalogue", "message");
        const QByteArray shared = "[Worksheets]\nFolder=SHARED\n", listed = catalogueBytes({"Heroes"});
        const QString saved = QStringLiteral("Your worksheet has been saved.");
        QTest::newRow("build folder") << true << shared << "own" << listed << saved;
        QTest::newRow("shared folder") << false << shared << "SHARED" << catalogueBytes({"Old One", "Heroes"}) << saved;
        QTest::newRow("shipped settings") << false << QByteArray("SHIPPED") << "data" << listed << saved;
        QTest::newRow("no settings") << false << QByteArray() << "data" << listed << saved;
        QTest::newRow("shared folder missing")
            << false << QByteArray("[Worksheets]\nFolder=SHARED/not mounted\n") << "" << QByteArray()
            << "There was a problem saving your worksheet\n\nThe worksheet folder SHARED/not mounted cannot be found. "
               "Please ask whoever looks after this computer to check it.";
    }
    void savingGoesToTheFolderThisComputerUses()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QString, savedIn);
        QFETCH(QString, message);
        TestEnvironment env;
        QTemporaryDir xdg;
        qputenv("XDG_CONFIG_DIRS", xdg.filePath(QStringLiteral("etc-xdg")).toUtf8());
        qputenv("XDG_DATA_HOME", xdg.filePath(QStringLiteral("data")).toUtf8());
        const auto unset = qScopeGuard([] { qunsetenv("XDG_CONFIG_DIRS"); qunsetenv("XDG_DATA_HOME"); });
        const QString shared = xdg.filePath(QStringLiteral("shared"));
        writeBytes(shared + "/track.txt", catalogueBytes({"Old One"}));
        ::chmod(QFile::encodeName(shared).constData(), 02775); // a group's folder
        QFETCH(bool, ownFolder);
        if (!ownFolder && QSysInfo::productType() == QLatin1String("windows"))
            QSKIP("Windows keeps no machine settings in XDG folders");
        if (!ownFolder)
            QDir(env.multipleDir()).removeRecursively();
        if (settings == "SHIPPED")
            settings = readBytes(QStringLiteral(VELMORA_SOURCE_DIR "/packaging/velmora.conf"));
        if (!settings.isEmpty())
            writeBytes(xdg.filePath(QStringLiteral("etc-xdg/velmora/velmora.conf")), settings.replace("SHARED", shared.toUtf8()));
        wizard &editor = openWizard();
        typeWorksheet(editor, sampleWorksheet(QStringLiteral("Heroes")));
        QCOMPARE(save(env, editor), message.replace(QStringLiteral("SHARED"), shared));
        const QMap<QString, QString> folders{{"own", env.multipleDir()}, {"SHARED", shared}, {"data", xdg.filePath("data/velmora/multiple")}};
        for (auto it = folders.begin(); it != folders.end(); ++it) {
            QCOMPARE(QFileInfo::exists(it.value() + "/Heroes.txt"), it.key() == savedIn);
            if (it.key() == savedIn)
                QTEST(readBytes(it.value() + "/track.txt"), "catalogue");
        }
        if (savedIn == QLatin1String("SHARED")) { // the group may write every file, whatever the umask; others may not
            const CatalogueLock lock(WorksheetFolder::chosen());
            for (const char *file : {"/track.txt", "/Heroes.txt", "/track.txt.lock"})
                QCOMPARE(QFileInfo(shared + file).permissions() & (QFile::WriteGroup | QFile::WriteOther), QFile::Permissions(QFile::WriteGroup));
        }
        QVERIFY(!QFileInfo::exists(shared + "/not mounted"));
    }

    // While another program holds the catalogue lock the screen paints (the
    // longest wait is reported) under the busy pointer, and a click on "Save
    // Worksheet" starts no second save, until the teacher is told.
    void aHeldCatalogueKeepsTheScreenAlive()
    {
        TestEnvironment env;
        const SharedLock held(env.multipleDir() + QStringLiteral("/track.txt.lock"));
        SharedLock::setWaitLimit(3000);
        const auto restore = qScopeGuard([] { SharedLock::setWaitLimit(0); });
        wizard &editor = openWizard();
        typeWorksheet(editor, sampleWorksheet(QStringLiteral("Heroes")));
        int busyTicks = 0;
        QElapsedTimer sincePaint;
        qint64 longest = 0;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [&] {
            busyTicks += QApplication::overrideCursor() != nullptr;
            longest = std::max(longest, sincePaint.elapsed());
            editor.repaint();
            sincePaint.restart();
            if (busyTicks == 5)
                clickOn(editor.Label3[1]);
        });
        sincePaint.start();
        tick.start(20);
        QVERIFY(save(env, editor).startsWith(QLatin1String("There was a problem saving your worksheet\n\nAnother copy of Velmora")));
        QVERIFY(busyTicks > 10 && !QApplication::overrideCursor());
        qInfo("the screen painted throughout, every 20 ms asked; the longest it waited to paint was %lld ms", longest);
    }
};

VELMORA_TEST(WizardTest)
#include "wizard_test.moc"
