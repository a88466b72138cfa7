// Key facts, teacher's notes, the acknowledgments and the guide, paged by
// clicks; no click on a viewer makes a sound.
#include "common/module1.h"
#include "shell/guide.h"
#include "shell/teacher.h"
#include "shell/topicmenu.h"
#include "support/pupil.h"
#include "support/testenv.h"
#include "testregistry.h"

#include <QtTest>

namespace {
using namespace viewer;

teacher &openFromFighters(int button)
{
    clickMainMenuEntry(1);
    clickOn(touch<fighters>().label3[button]);
    return touch<teacher>();
}

// "Page n of m", the screen and print copies shown, and which page buttons work.
QStringList pageShown(const PageViewer &viewer)
{
    return {viewer.Label1->caption(), viewer.Image1->picturePath(), viewer.Image2->picturePath(),
            viewer.Label3[PreviousPage]->isEnabled() ? "<<" : "", viewer.Label3[NextPage]->isEnabled() ? ">>" : ""};
}
} // namespace

class ViewersTest : public QObject {
    Q_OBJECT
private slots:
    // The notes are one page without page controls; the key facts opened
    // next have them back, page forward and back, and light up under the pointer.
    void notesThenKeyFacts()
    {
        TestEnvironment env;
        teacher &notes = openFromFighters(5);
        QVERIFY(!notes.Label1->isVisible() && !notes.Label3[NextPage]->isVisible() && !notes.Label3[PreviousPage]->isVisible());
        QCOMPARE(notes.Image1->picturePath(), QStringLiteral("wmf\\fightersa.wmf"));
        clickOn(notes.Label3[Exit]);
        teacher &facts = openFromFighters(4);
        QCOMPARE(pageShown(facts), (QStringList{"Page 1 of 2", "wmf\\key fightersa.wmf", "wmf2\\key fightersa.wmf", "", ">>"}));
        clickOn(facts.Label3[NextPage]);
        QCOMPARE(pageShown(facts), (QStringList{"Page 2 of 2", "wmf\\key fightersb.wmf", "wmf2\\key fightersb.wmf", "<<", ""}));
        clickOn(facts.Label3[PreviousPage]);
        QCOMPARE(pageShown(facts)[0], QStringLiteral("Page 1 of 2"));
        QVERIFY(!facts.Image2->isVisible());
        QCOMPARE(env.sound->played.size(), 4); // the menus' clicks only
        hoverOver(facts.Label3[NextPage]);
        hoverOver(facts.Image1, QPoint(5, 5));
        QCOMPARE(facts.Label3[NextPage]->backStyle(), BackStyle::Transparent);
    }

    void theGuidePagesThroughFivePages()
    {
        TestEnvironment env;
        guide &viewer = static_cast<guide &>(clickMainMenuEntry(20));
        QCOMPARE(pageShown(viewer), (QStringList{"Page 1 of 5", "wmf\\guide1.wmf", "wmf2\\guide1.wmf", "", ">>"}));
        for (int page = 2; page <= 5; ++page)
            clickOn(viewer.Label3[NextPage]);
        QCOMPARE(pageShown(viewer), (QStringList{"Page 5 of 5", "wmf\\guide5.wmf", "wmf2\\guide5.wmf", "<<", ""}));
        for (int page = 4; page >= 1; --page)
            clickOn(viewer.Label3[PreviousPage]);
        QCOMPARE(pageShown(viewer), (QStringList{"Page 1 of 5", "wmf\\guide1.wmf", "wmf2\\guide1.wmf", "", ">>"}));
        clickOn(viewer.Label3[Exit]);
        QCOMPARE(topScreenName(), QStringLiteral("intro0"));
    }

    // The logo appears with the first tick; its frame number wraps from 19
    // to 0, stops when the viewer goes and carries on at the next visit.
    void theAcknowledgmentsAnimateTheLogo()
    {
        TestEnvironment env;
        Module1.logoFrame = 18;
        teacher &viewer = static_cast<teacher &>(clickMainMenuEntry(19));
        QVERIFY(!viewer.Label1->isVisible() && !viewer.Label3[NextPage]->isVisible() && !viewer.Picture1->isVisible());
        QCOMPARE(viewer.Image2->picturePath(), QStringLiteral("wmf2\\acknowledgments.wmf"));
        QTRY_VERIFY(viewer.Picture1->isVisible() && viewer.Picture2->isVisible());
        QTRY_VERIFY(Module1.logoFrame < 5);
        clickOn(viewer.Label3[Exit]);
        const int stoppedAt = Module1.logoFrame;
        QTest::qWait(60);
        QCOMPARE(Module1.logoFrame, stoppedAt);
        QCOMPARE(static_cast<teacher &>(clickMainMenuEntry(19)).Picture1->picturePath(), QString());
        QTRY_COMPARE(touch<teacher>().Picture1->picturePath(), QStringLiteral("logo\\quor00%1.gif").arg(stoppedAt + 1, 2, 10, QLatin1Char('0')));
    }
};

VELMORA_TEST(ViewersTest)
#include "viewers_test.moc"
