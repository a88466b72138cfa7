// The main menu as a pupil meets it: entries, highlighting and the sound switch.
#include "shell/intro0.h"
#include "common/module1.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "worksheets/contentfolder.h"
#include "worksheets/wizarddriver.h"

#include <QtTest>

namespace {
const QList<int> kUnitsNotYetWritten = {15, 0, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13};

intro0 &openMenu()
{
    intro0 &menu = touch<intro0>();
    menu.showScreen();
    return menu;
}

intro0 &menu() { return touch<intro0>(); }

QPoint backgroundPoint() { return QPoint(500, 360); } // between the columns and the picture
} // namespace

class Intro0Test : public QObject {
    Q_OBJECT
private slots:
    void allTwentyEntriesWithTheUnwrittenUnitsGreyed()
    {
        TestEnvironment env;
        intro0 &menu = openMenu();
        QVERIFY(!menu.Label2.contains(14));
        for (int i : kUnitsNotYetWritten)
            QVERIFY2(!menu.Label2[i]->isEnabled(), qPrintable(menu.Label2[i]->caption()));
        for (int i : {1, 5, 16, 17, 18, 19, 20})
            QVERIFY(menu.Label2[i]->isEnabled());
        QCOMPARE(menu.Label2[20]->caption(), QStringLiteral("Teachers' Guide"));
        QVERIFY(menu.Option1->isChecked());
        QCOMPARE(Module1.soundOn, 1);
    }

    void anEntryStaysLitUntilThePointerCrossesTheBackground()
    {
        TestEnvironment env;
        intro0 &menu = openMenu();
        hoverOver(menu.Label2[1]);
        QCOMPARE(menu.Label2[1]->backStyle(), BackStyle::Opaque);
        hoverOver(menu.Label2[5]); // straight from one entry onto another
        QCOMPARE(menu.Label2[1]->backStyle(), BackStyle::Opaque);
        QCOMPARE(menu.Label2[5]->backStyle(), BackStyle::Opaque);
        hoverOver(menu.Image1); // the picture has no handler: nothing changes
        QCOMPARE(menu.Label2[5]->backStyle(), BackStyle::Opaque);
        hoverOver(&menu, backgroundPoint());
        menu.Label2.forEach([](int, Label *l) { QCOMPARE(l->backStyle(), BackStyle::Transparent); });
        // Greyed entries neither light up nor click: a move over one reaches the background.
        hoverOver(menu.Label2[16]);
        hoverOver(menu.Label2[7]);
        QCOMPARE(menu.Label2[7]->backStyle(), BackStyle::Transparent);
        QCOMPARE(menu.Label2[16]->backStyle(), BackStyle::Transparent);
        clickOn(menu.Label2[7]);
        QVERIFY(env.sound->played.isEmpty());
        QCOMPARE(topScreenName(), QStringLiteral("intro0"));
    }

    void theSoundSwitchSilencesAndRestoresClicks()
    {
        TestEnvironment env;
        intro0 &menu = openMenu();
        clickOn(menu.Option2);
        QCOMPARE(Module1.soundOn, 0);
        QVERIFY(menu.Option2->isChecked() && !menu.Option1->isChecked());
        clickOn(menu.Label2[16]);
        QVERIFY(env.sound->played.isEmpty());
        clickOn(menu.Option1);
        QCOMPARE(Module1.soundOn, 1);
        clickOn(menu.Label2[16]);
        QCOMPARE(env.sound->played, QStringList{"wav\\click.wav"});
    }

    void theStartUpReadKeepsWhatTheCatalogueHolds_data()
    {
        QTest::addColumn<QByteArray>("catalogue");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("lastIndex");
        QTest::addColumn<QString>("last");
        QTest::newRow("no file") << QByteArray() << 0 << 1 << QString();
        QTest::newRow("two titles") << QByteArray(" 2 \r\nVases\r\nTriremes\r\n") << 2 << 2 << "Triremes";
        QTest::newRow("short file keeps what was read") << QByteArray(" 5 \r\nVases\r\nTriremes\r\n") << 5 << 2 << "Triremes";
        QTest::newRow("1001 titles keeps the first 1000")
            << catalogueBytes(numberedTitles(1001, "Sheet ")) << 1000 << 1000 << "Sheet 1000";
    }
    void theStartUpReadKeepsWhatTheCatalogueHolds()
    {
        QFETCH(QByteArray, catalogue);
        QFETCH(int, count);
        QFETCH(int, lastIndex);
        QFETCH(QString, last);
        TestEnvironment env;
        QFile::remove(env.multipleDir() + "/track.txt");
        if (!catalogue.isEmpty())
            writeFileBytes(env, "track.txt", catalogue);
        QVERIFY(openMenu().Timer1->isEnabled());
        runEventsFor(30);
        QCOMPARE(Module1.worksheetCount, count);
        QCOMPARE(Module1.worksheetTitles[lastIndex], last);
        QVERIFY(!menu().Timer1->isEnabled());
    }
};

VELMORA_TEST(Intro0Test)
#include "intro0_test.moc"
