// Screens load on first touch, exist once, stack, and come back fresh after unloading.
#include "support/testenv.h"
#include "testregistry.h"
#include "toolkit/builders.h"
#include "toolkit/screen.h"

#include <QtTest>

namespace {
int loadsOfProbe = 0;

class ProbeScreen : public Screen {
public:
    ProbeScreen() : Screen(QStringLiteral("ProbeScreen"))
    {
        LabelDesign design;
        design.caption = QStringLiteral("design");
        design.width = 1500, design.height = 300;
        Label1 = makeLabel(this, QStringLiteral("Label1"), design);
        connect(Label1, &MouseControl::clicked, this, [this] {
            unload();
            Label1->setCaption(QStringLiteral("after unload")); // still safe: destroyed later
        });
    }
    Label *Label1;

protected:
    void load() override
    {
        ++loadsOfProbe;
        // A load handler may touch its own screen without loading a second copy.
        touch<ProbeScreen>().Label1->setCaption(QStringLiteral("loaded"));
    }
};

class OtherScreen : public Screen {
public:
    OtherScreen() : Screen(QStringLiteral("OtherScreen")) {}
};
} // namespace

class ScreenRegistryTest : public QObject {
    Q_OBJECT
private slots:
    void init() { loadsOfProbe = 0; }

    void touchingAControlLoadsTheScreenOnce()
    {
        TestEnvironment env;
        QVERIFY(!isLoaded<ProbeScreen>());
        QCOMPARE(touch<ProbeScreen>().Label1->caption(), QStringLiteral("loaded"));
        touch<ProbeScreen>().Label1->setCaption(QStringLiteral("changed"));
        QCOMPARE(touch<ProbeScreen>().Label1->caption(), QStringLiteral("changed"));
        QCOMPARE(loadsOfProbe, 1);
        QVERIFY(!touch<ProbeScreen>().isVisible()); // touching does not show
    }

    void unloadingDiscardsStateAndTheNextTouchRebuilds()
    {
        TestEnvironment env;
        touch<ProbeScreen>().Label1->setCaption(QStringLiteral("changed"));
        touch<ProbeScreen>().unload();
        QVERIFY(!isLoaded<ProbeScreen>());
        QCOMPARE(touch<ProbeScreen>().Label1->caption(), QStringLiteral("loaded"));
        QCOMPARE(loadsOfProbe, 2);
    }

    void unloadingFromItsOwnHandlerIsSafe()
    {
        TestEnvironment env;
        touch<ProbeScreen>().showScreen();
        QPointer<ProbeScreen> first = &touch<ProbeScreen>();
        clickOn(first->Label1);
        QVERIFY(!isLoaded<ProbeScreen>());
        QVERIFY(!first.isNull() && !first->isVisible()); // hidden at once, destroyed later
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
    }

    void screensStackAndClosingTheTopUncoversTheOneBeneath()
    {
        TestEnvironment env;
        touch<OtherScreen>().showScreen();
        touch<ProbeScreen>().showScreen();
        QCOMPARE(topScreenName(), QStringLiteral("ProbeScreen"));
        QVERIFY(touch<OtherScreen>().isVisible()); // opening one never closes the opener
        touch<ProbeScreen>().unload();
        QCOMPARE(topScreenName(), QStringLiteral("OtherScreen"));
    }

    void aWindowCloseRequestDoesNotBypassTheScreensOwnExit()
    {
        TestEnvironment env;
        touch<OtherScreen>().showScreen();
        touch<OtherScreen>().close();
        QVERIFY(touch<OtherScreen>().isVisible());
    }
};

VELMORA_TEST(ScreenRegistryTest)
#include "screen_registry_test.moc"
