// A pupil starts Velmora, goes into the main menu, comes back and leaves.
#include "shell/colours.h"
#include "shell/grey.h"
#include "shell/intro0.h"
#include "shell/module1.h"
#include "shell/titlefrm.h"
#include "support/testenv.h"
#include "testregistry.h"

#include <QtTest>

class TitlefrmTest : public QObject {
    Q_OBJECT
private slots:
    void startUpShowsTheTitleOverTheBackdrop()
    {
        TestEnvironment env;
        touch<Titlefrm>().showScreen();
        QVERIFY(isLoaded<Grey>());
        QVERIFY(touch<Grey>().isVisible());
        QCOMPARE(touch<Grey>().backColor(), colours::backdrop);
        QCOMPARE(topScreenName(), QStringLiteral("Titlefrm"));
        QCOMPARE(touch<Titlefrm>().clientSizeTwips(), QSizeF(5460, 6570));
        QCOMPARE(touch<Titlefrm>().backColor(), colours::lightGrey);
        QVERIFY(!touch<Titlefrm>().Picture1->picture().isNull());
        QVERIFY(!isLoaded<intro0>());
        QVERIFY(!Module1.soundOn.has_value());
    }

    void exitAtTheVeryFirstTitleEndsSilently()
    {
        TestEnvironment env;
        touch<Titlefrm>().showScreen();
        clickOn(touch<Titlefrm>().Command2);
        QCOMPARE(env.programEnds, 1);
        QVERIFY(env.sound->played.isEmpty());
    }

    void okOpensTheMainMenuAndThenClicks()
    {
        TestEnvironment env;
        touch<Titlefrm>().showScreen();
        clickOn(touch<Titlefrm>().Command1);
        QVERIFY(!isLoaded<Titlefrm>());
        QVERIFY(touch<intro0>().isVisible());
        QCOMPARE(Module1.soundOn, 1);
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@intro0"});
    }

    void exitFromTheMenuThenCancelReturnsToTheSameMenu()
    {
        TestEnvironment env;
        touch<Titlefrm>().showScreen();
        clickOn(touch<Titlefrm>().Command1);
        intro0 *menu = &touch<intro0>();
        clickOn(menu->Label2[16]);
        QCOMPARE(topScreenName(), QStringLiteral("Titlefrm"));
        QCOMPARE(touch<Titlefrm>().Command1->text(), QStringLiteral("Cancel"));
        QVERIFY(isLoaded<intro0>());
        clickOn(touch<Titlefrm>().Command1);
        QCOMPARE(&touch<intro0>(), menu); // the same menu, not a new one
        QCOMPARE(topScreenName(), QStringLiteral("intro0"));
        QCOMPARE(env.sound->played.size(), 3);
    }

    void afterSoundOffTheTitleScreenIsSilent()
    {
        TestEnvironment env;
        touch<Titlefrm>().showScreen();
        clickOn(touch<Titlefrm>().Command1);
        clickOn(touch<intro0>().Option2);
        env.sound->played.clear();
        clickOn(touch<intro0>().Label2[16]);
        clickOn(touch<Titlefrm>().Command1);
        QVERIFY(touch<intro0>().Option2->isChecked()); // the menu keeps its sound setting
        clickOn(touch<intro0>().Label2[16]);
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
