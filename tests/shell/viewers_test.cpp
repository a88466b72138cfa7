// Key facts, teacher's notes, acknowledgments and the guide, paged by clicks.
#include "shell/topicmenu.h"
#include "shell/guide.h"
#include "shell/intro0.h"
#include "common/module1.h"
#include "shell/pagenames.h"
#include "shell/teacher.h"
#include "support/testenv.h"
#include "testregistry.h"

#include <QtTest>

namespace {
enum { Print = 0, Exit = 1, Next = 2, Previous = 3 };

teacher &openFromFighters(int button)
{
    touch<intro0>().showScreen();
    clickOn(touch<intro0>().Label2[1]);
    clickOn(touch<fighters>().label3[button]);
    return touch<teacher>();
}
} // namespace

class ViewersTest : public QObject {
    Q_OBJECT
private slots:
    // Page numbers outside a set name no file; the logo frames wrap round.
    void pageNamesAtTheEnds()
    {
        QCOMPARE(pageFileName("wmf2", "writing", 3), QStringLiteral("wmf2\\writingc.wmf"));
        QCOMPARE(pageFileName("wmf", "writing", 4), QString());
        QCOMPARE(pageFileName("wmf", "writing", 0), QString());
        QCOMPARE(logoFrameFileName(9), QStringLiteral("logo\\quor0009.gif"));
        QCOMPARE(logoFrameFileName(19), QStringLiteral("logo\\quor0019.gif"));
        QCOMPARE(nextLogoFrame(19), 0);
    }

    // The notes are one page without page controls; the key facts opened
    // next have them back and page forward and back.
    void teachersNotesThenKeyFactsPagedForwardAndBack()
    {
        TestEnvironment env;
        teacher &notes = openFromFighters(5);
        QVERIFY(!notes.Label1->isVisible());
        QVERIFY(!notes.Label3[Next]->isVisible());
        QVERIFY(!notes.Label3[Previous]->isVisible());
        QVERIFY(notes.Label3[Print]->isVisible());
        QCOMPARE(notes.Image1->picturePath(), QStringLiteral("wmf\\fightersa.wmf"));
        clickOn(notes.Label3[Exit]);
        QCOMPARE(topScreenName(), QStringLiteral("fighters"));
        env.sound->played.clear();

        teacher &viewer = openFromFighters(4);
        QCOMPARE(topScreenName(), QStringLiteral("teacher"));
        QCOMPARE(viewer.Label1->caption(), QStringLiteral("Page 1 of 2"));
        QVERIFY(viewer.Label1->isVisible());
        QVERIFY(!viewer.Label3[Previous]->isEnabled());
        QVERIFY(viewer.Label3[Next]->isEnabled());
        QCOMPARE(viewer.Image1->picturePath(), QStringLiteral("wmf\\key fightersa.wmf"));
        QCOMPARE(viewer.Image2->picturePath(), QStringLiteral("wmf2\\key fightersa.wmf"));
        QVERIFY(!viewer.Image2->isVisible());
        clickOn(viewer.Label3[Next]);
        QCOMPARE(Module1.currentPage, 2);
        QCOMPARE(viewer.Label1->caption(), QStringLiteral("Page 2 of 2"));
        QVERIFY(!viewer.Label3[Next]->isEnabled());
        QVERIFY(viewer.Label3[Previous]->isEnabled());
        QCOMPARE(viewer.Image1->picturePath(), QStringLiteral("wmf\\key fightersb.wmf"));
        QCOMPARE(viewer.Image2->picturePath(), QStringLiteral("wmf2\\key fightersb.wmf"));
        clickOn(viewer.Label3[Previous]);
        QCOMPARE(viewer.Label1->caption(), QStringLiteral("Page 1 of 2"));
        QCOMPARE(viewer.Image1->picturePath(), QStringLiteral("wmf\\key fightersa.wmf"));
        // Clicks on the viewers are silent; only the menu clicks were heard.
        QCOMPARE(env.sound->played.size(), 2);
        hoverOver(viewer.Label3[Next]);
        QCOMPARE(viewer.Label3[Next]->backStyle(), BackStyle::Opaque);
        hoverOver(viewer.Image1, QPoint(5, 5));
        QCOMPARE(viewer.Label3[Next]->backStyle(), BackStyle::Transparent);
    }

    void acknowledgmentsShowTheLogoAfterTheFirstTickAndCarryOn()
    {
        TestEnvironment env;
        touch<intro0>().showScreen();
        Module1.logoFrame = 18;
        clickOn(touch<intro0>().Label2[19]);
        teacher &viewer = touch<teacher>();
        QVERIFY(!viewer.Label1->isVisible() && !viewer.Label3[Next]->isVisible() && !viewer.Label3[Previous]->isVisible());
        QVERIFY(!viewer.Picture1->isVisible());
        QCOMPARE(viewer.Picture2->picturePath(), QStringLiteral("logo\\quorvane2.bmp"));
        QCOMPARE(viewer.Image2->picturePath(), QStringLiteral("wmf2\\acknowledgments.wmf"));
        QTRY_VERIFY_WITH_TIMEOUT(viewer.Picture1->isVisible(), 1000);
        QVERIFY(viewer.Picture2->isVisible());
        QVERIFY(Module1.logoFrame == 19 || Module1.logoFrame < 5);
        clickOn(viewer.Label3[Exit]);
        const int stoppedAt = Module1.logoFrame;
        runEventsFor(60); // no ticks once the viewer is gone
        QCOMPARE(Module1.logoFrame, stoppedAt);
        clickOn(touch<intro0>().Label2[19]);
        QTRY_VERIFY_WITH_TIMEOUT(touch<teacher>().Picture1->isVisible(), 1000);
        QCOMPARE(touch<teacher>().Picture1->picturePath(), logoFrameFileName(Module1.logoFrame));
        QVERIFY(Module1.logoFrame != 0 || stoppedAt == 19);
    }

    void theGuidePagesThroughFivePages()
    {
        TestEnvironment env;
        touch<intro0>().showScreen();
        clickOn(touch<intro0>().Label2[20]);
        guide &viewer = touch<guide>();
        QCOMPARE(viewer.Label1->caption(), QStringLiteral("Page 1 of 5"));
        for (int page = 2; page <= 5; ++page) {
            clickOn(viewer.Label3[Next]);
            QCOMPARE(viewer.Label1->caption(), QStringLiteral("Page %1 of 5").arg(page));
            QCOMPARE(viewer.Image1->picturePath(), QStringLiteral("wmf\\guide%1.wmf").arg(page));
            QCOMPARE(viewer.Image2->picturePath(), QStringLiteral("wmf2\\guide%1.wmf").arg(page));
            QVERIFY(viewer.Label3[Previous]->isEnabled());
        }
        QVERIFY(!viewer.Label3[Next]->isEnabled());
        for (int page = 4; page >= 1; --page)
            clickOn(viewer.Label3[Previous]);
        QCOMPARE(viewer.Label1->caption(), QStringLiteral("Page 1 of 5"));
        QVERIFY(!viewer.Label3[Previous]->isEnabled());
        clickOn(viewer.Label3[Exit]);
        QCOMPARE(topScreenName(), QStringLiteral("intro0"));
    }
};

VELMORA_TEST(ViewersTest)
#include "viewers_test.moc"
