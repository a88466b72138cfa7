// Key facts, teacher's notes, acknowledgments and the guide, paged by clicks.
#include "shell/fighters.h"
#include "shell/guide.h"
#include "shell/intro0.h"
#include "shell/module1.h"
#include "shell/pagenames.h"
#include "shell/teacher.h"
#include "shell/writing.h"
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
    void pageNamesAndCaptions()
    {
        QCOMPARE(pageLabelCaption(1, 2), QStringLiteral("Page 1 of 2"));
        QCOMPARE(pageLabelCaption(3, 5), QStringLiteral("Page 3 of 5"));
        QCOMPARE(pageFileName("wmf", "key fighters", 1), QStringLiteral("wmf\\key fightersa.wmf"));
        QCOMPARE(pageFileName("wmf2", "writing", 3), QStringLiteral("wmf2\\writingc.wmf"));
        QCOMPARE(pageFileName("wmf", "writing", 4), QString());
        QCOMPARE(pageFileName("wmf", "writing", 0), QString());
        QCOMPARE(logoFrameFileName(0), QStringLiteral("logo\\quor0000.gif"));
        QCOMPARE(logoFrameFileName(9), QStringLiteral("logo\\quor0009.gif"));
        QCOMPARE(logoFrameFileName(19), QStringLiteral("logo\\quor0019.gif"));
        QCOMPARE(nextLogoFrame(19), 0);
        QCOMPARE(nextLogoFrame(0), 1);
    }

    void keyFactsPageForwardAndBack()
    {
        TestEnvironment env;
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
        QVERIFY(!viewer.Label3[Previous]->isEnabled());
        QVERIFY(viewer.Label3[Next]->isEnabled());
        QCOMPARE(viewer.Image1->picturePath(), QStringLiteral("wmf\\key fightersa.wmf"));
        // Clicks on the viewers are silent; only the menu clicks were heard.
        QCOMPARE(env.sound->played.size(), 2);
    }

    void teachersNotesIsOnePageWithoutPageControls()
    {
        TestEnvironment env;
        touch<intro0>().showScreen();
        clickOn(touch<intro0>().Label2[5]);
        clickOn(touch<writing>().label3[5]);
        teacher &viewer = touch<teacher>();
        QVERIFY(!viewer.Label1->isVisible());
        QVERIFY(!viewer.Label3[Next]->isVisible());
        QVERIFY(!viewer.Label3[Previous]->isVisible());
        QVERIFY(viewer.Label3[Print]->isVisible());
        QCOMPARE(viewer.Image1->picturePath(), QStringLiteral("wmf\\writinga.wmf"));
        clickOn(viewer.Label3[Exit]);
        QCOMPARE(topScreenName(), QStringLiteral("writing"));
    }

    void reopeningRebuildsTheViewer()
    {
        TestEnvironment env;
        teacher &notes = openFromFighters(5);
        clickOn(notes.Label3[Exit]);
        teacher &facts = openFromFighters(4);
        QVERIFY(facts.Label1->isVisible());
        QVERIFY(facts.Label3[Next]->isVisible());
        QCOMPARE(facts.Label1->caption(), QStringLiteral("Page 1 of 2"));
    }

    void acknowledgmentsShowTheLogoAfterTheFirstTickAndCarryOn()
    {
        TestEnvironment env;
        touch<intro0>().showScreen();
        Module1.logoFrame = 18;
        clickOn(touch<intro0>().Label2[19]);
        teacher &viewer = touch<teacher>();
        QCOMPARE(viewer.backColor(), QColor(49, 130, 212));
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
        QCOMPARE(Module1.currentPage, 1);
        QCOMPARE(viewer.Label1->caption(), QStringLiteral("Page 1 of 5"));
        QVERIFY(!viewer.Label3[Previous]->isEnabled());
        for (int page = 2; page <= 5; ++page) {
            clickOn(viewer.Label3[Next]);
            QCOMPARE(viewer.Label1->caption(), pageLabelCaption(page, 5));
            QCOMPARE(viewer.Image1->picturePath(), QStringLiteral("wmf\\guide%1.wmf").arg(page));
            QCOMPARE(viewer.Image2->picturePath(), QStringLiteral("wmf2\\guide%1.wmf").arg(page));
            QVERIFY(viewer.Label3[Previous]->isEnabled());
        }
        QVERIFY(!viewer.Label3[Next]->isEnabled());
        for (int page = 4; page >= 1; --page)
            clickOn(viewer.Label3[Previous]);
        QCOMPARE(viewer.Label1->caption(), QStringLiteral("Page 1 of 5"));
        QVERIFY(!viewer.Label3[Previous]->isEnabled());
        QVERIFY(viewer.Label3[Next]->isEnabled());
        clickOn(viewer.Label3[Exit]);
        QCOMPARE(topScreenName(), QStringLiteral("intro0"));
    }

    void viewerButtonsLightUpUnderThePointer()
    {
        TestEnvironment env;
        teacher &viewer = openFromFighters(4);
        hoverOver(viewer.Label3[Next]);
        QCOMPARE(viewer.Label3[Next]->backStyle(), BackStyle::Opaque);
        hoverOver(viewer.Image1, QPoint(5, 5));
        QCOMPARE(viewer.Label3[Next]->backStyle(), BackStyle::Transparent);
    }
};

VELMORA_TEST(ViewersTest)
#include "viewers_test.moc"
