// A pupil starts Velmora, goes into the main menu, comes back and leaves.
#include "common/colours.h"
#include "common/grey.h"
#include "shell/intro0.h"
#include "common/module1.h"
#include "shell/titlefrm.h"
#include "support/testenv.h"
#include "testregistry.h"

#include <QtTest>

class TitlefrmTest : public QObject {
    Q_OBJECT
private slots:
    void startUpShowsTheTitleOverTheBackdropAndExitEnds()
    {
        TestEnvironment env;
        touch<Titlefrm>().showScreen();
        QVERIFY(isLoaded<Grey>());
        QVERIFY(touch<Grey>().isVisible());
        QCOMPARE(touch<Grey>().backColor(), colours::backdrop);
        QCOMPARE(topScreenName(), QStringLiteral("Titlefrm"));
        QCOMPARE(touch<Titlefrm>().clientSizeTwips(), QSizeF(5460, 6570));
        QCOMPARE(touch<Titlefrm>().backColor(), colours::lightGrey);
        QVERIFY(!isLoaded<intro0>());
        QVERIFY(!Module1.soundOn.has_value());
        clickOn(touch<Titlefrm>().Command2); // Exit at the very first title ends silently
        QCOMPARE(env.programEnds, 1);
        QVERIFY(env.sound->played.isEmpty());
    }

    // OK opens the main menu with a click; its Exit brings the title back
    // with "Cancel", which returns to the same menu. After the sound is
    // switched off there, the title screen is silent too.
    void okOpensTheMainMenuAndCancelReturnsToIt()
    {
        TestEnvironment env;
        touch<Titlefrm>().showScreen();
        clickOn(touch<Titlefrm>().Command1);
        QVERIFY(!isLoaded<Titlefrm>());
        intro0 *menu = &touch<intro0>();
        QVERIFY(menu->isVisible());
        QCOMPARE(Module1.soundOn, 1);
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@intro0"});
        clickOn(menu->Label2[16]);
        QCOMPARE(topScreenName(), QStringLiteral("Titlefrm"));
        QCOMPARE(touch<Titlefrm>().Command1->text(), QStringLiteral("Cancel"));
        QVERIFY(isLoaded<intro0>());
        clickOn(touch<Titlefrm>().Command1);
        QCOMPARE(&touch<intro0>(), menu); // the same menu, not a new one
        QCOMPARE(topScreenName(), QStringLiteral("intro0"));
        QCOMPARE(env.sound->played.size(), 3);

        clickOn(menu->Option2);
        env.sound->played.clear();
        clickOn(menu->Label2[16]);
        clickOn(touch<Titlefrm>().Command1);
        QVERIFY(menu->Option2->isChecked()); // the menu keeps its sound setting
        clickOn(menu->Label2[16]);
        clickOn(touch<Titlefrm>().Command2);
        QVERIFY(env.sound->played.isEmpty());
        QCOMPARE(env.programEnds, 1);
    }

    void aMissingPictureTurnsTheTitleIntoAPlainScreen()
    {
        TestEnvironment env;
        env.emptyFolder("images");
        Titlefrm &t = touch<Titlefrm>();
        QCOMPARE(t.clientSizeTwips(), QSizeF(12000, 9000));
        QCOMPARE(t.backColor(), colours::screenBack);
        QCOMPARE(t.Picture1->backColor(), colours::pictureBack);
        QVERIFY(t.Picture1->picture().isNull());
        t.showScreen();
        clickOn(t.Command1); // still leads on
        QVERIFY(touch<intro0>().isVisible());
    }
};

VELMORA_TEST(TitlefrmTest)
#include "titlefrm_test.moc"
