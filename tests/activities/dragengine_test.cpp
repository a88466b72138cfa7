// The drag-and-drop engine as a pupil meets it on the activity screens:
// dragging with the left button, dropping near a box, the completion test,
// the three buttons, the highlight and the sounds.
#include "activities/dragdriver.h"
#include "activities/fighterslab.h"
#include "activities/writingord.h"
#include "shell/topicmenu.h"
#include "common/module1.h"
#include "support/testenv.h"
#include "testregistry.h"

#include <QtTest>

namespace {
const QString kThud = QStringLiteral("wav\\thud3.wav");
const QString kClick = QStringLiteral("wav\\click.wav");
enum SoldierPart { Greaves = 0, Breastplate = 1, Spear = 2, Shield = 3, Helmet = 4 };

template <class S>
S &openActivity()
{
    Module1.soundOn = 1;
    S &screen = touch<S>();
    screen.showScreen();
    return screen;
}

int count(const QStringList &sounds, const QString &sound) { return int(sounds.count(sound)); }

void placeEveryLabelInItsBox(DragActivity &screen)
{
    for (int i = 0; i < screen.count(); ++i)
        dragIntoBox(screen, i, i);
}

QPoint backgroundPoint() { return QPoint(20, 440); } // left of the tray, clear of every control
} // namespace

class DragEngineTest : public QObject {
    Q_OBJECT
private slots:
    // Each label takes its box's caption and the boxes show empty (the home
    // slots under the tray: exitClosesTheScreenAndReopeningShowsTheTrayAgain).
    void loadGivesEachLabelItsBoxCaptionAndEmptiesTheBoxes()
    {
        TestEnvironment env;
        writingord &screen = openActivity<writingord>();
        const QStringList names{"Gamma", "Alpha", "Epsilon", "Beta", "Delta"};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(screen.Label2[i]->caption(), names[i]);
            QVERIFY(screen.Label1[i]->caption().isEmpty());
        }
        // A pupil pressing where a label lies reaches the label, not what is under it.
        QCOMPARE(screen.childAt(screen.Label2[0]->geometry().center()), static_cast<QWidget *>(screen.Label2[0]));
    }

    // The label follows every move of the left button, even when the pointer
    // runs ahead of it, but never leaves the screen; it snaps into a zone
    // entered just inside its edge.
    void aLabelFollowsTheLeftButtonWithinTheScreenAndSnaps()
    {
        TestEnvironment env;
        fighterslab &screen = openActivity<fighterslab>();
        Label *greaves = screen.Label2[Greaves];
        pressOn(greaves, greaves->rect().center());
        movePointer(greaves, QPointF(400, -200), Qt::LeftButton);
        QCOMPARE(cornerOf(greaves), QPointF(1920 + 400 * 15 - 1162.5, 5520 - 200 * 15 - 187.5));
        movePointer(greaves, QPointF(-300, 100), Qt::LeftButton);
        QCOMPARE(cornerOf(greaves), QPointF(1920 + 400 * 15 - 300 * 15 - 2 * 1162.5, 5520 - 100 * 15 - 2 * 187.5));
        movePointer(greaves, QPointF(2000, 2000), Qt::LeftButton);
        QCOMPARE(cornerOf(greaves), QPointF(12000 - 2325, 9000 - 375));
        movePointer(greaves, QPointF(-2000, -2000), Qt::LeftButton);
        QCOMPARE(cornerOf(greaves), QPointF(0, 0));
        releaseOn(greaves, greaves->rect().center());
        QVERIFY(screen.rect().contains(greaves->geometry()));

        Label *helmet = screen.Label2[Helmet];
        dragLabelWithoutRelease(helmet, 9240 - 1162, 1380 - 187);
        QCOMPARE(cornerOf(helmet), QPointF(8078, 1193));
        QVERIFY(env.sound->played.isEmpty());
        releaseOn(helmet, helmet->rect().center());
        QCOMPARE(cornerOf(helmet), cornerOf(screen.Label1[Helmet]));
        QCOMPARE(env.sound->played, QStringList{kThud});
    }

    void onlyTheLeftButtonAloneDrags()
    {
        TestEnvironment env;
        fighterslab &screen = openActivity<fighterslab>();
        Label *shield = screen.Label2[Shield];
        const QPointF home = cornerOf(shield);
        pressOn(shield, shield->rect().center(), Qt::RightButton);
        for (Qt::MouseButtons held : {Qt::MouseButtons(Qt::RightButton), Qt::MouseButtons(Qt::MiddleButton),
                                      Qt::LeftButton | Qt::RightButton, Qt::MouseButtons()})
            movePointer(shield, QPointF(300, 40), held);
        QCOMPARE(cornerOf(shield), home);
        // Releasing the right button still drops the label: it snaps into its home slot.
        releaseOn(shield, shield->rect().center(), Qt::RightButton);
        QCOMPARE(cornerOf(shield), home);
        QCOMPARE(env.sound->played, QStringList{kThud});
    }

    // A label on a home slot does not count; labels stacked in one box all
    // count, so "Check Score" may come with boxes still empty.
    void completionCountsEveryLabelInSomeBox()
    {
        TestEnvironment env;
        fighterslab &screen = openActivity<fighterslab>();
        // The home slots are narrower than the labels; a drop aligns left and top edges.
        const QPointF otherSlot = cornerOf(screen.Label4[Breastplate]);
        dragLabelTo(screen.Label2[Spear], otherSlot.x() + 300, otherSlot.y() - 100);
        QCOMPARE(cornerOf(screen.Label2[Spear]), otherSlot);
        QCOMPARE(count(env.sound->played, kThud), 1);
        dragIntoBox(screen, Greaves, Greaves);
        dragIntoBox(screen, Breastplate, Greaves);
        QCOMPARE(cornerOf(screen.Label2[Breastplate]), cornerOf(screen.Label2[Greaves]));
        dragIntoBox(screen, Shield, Shield);
        dragIntoBox(screen, Helmet, Helmet);
        QVERIFY(!screen.Label3[DragActivity::CheckScore]->isVisible());
        dragIntoBox(screen, Spear, Helmet);
        QVERIFY(screen.Label3[DragActivity::CheckScore]->isVisible());
        clickOn(screen.Label3[DragActivity::CheckScore]);
        QCOMPARE(Module1.score, 3);
    }

    void aDropThatSnapsTwiceThudsTwiceAndTheLastZoneWins()
    {
        TestEnvironment env;
        writingord &screen = openActivity<writingord>();
        // A home slot moved so that box 0's corner lies in its zone: it is tested after the box.
        screen.Label4[0]->moveTo(5300, 4700);
        dragIntoBox(screen, 0, 0);
        QCOMPARE(cornerOf(screen.Label2[0]), QPointF(5300, 4700));
        QCOMPARE(env.sound->played, QStringList({kThud, kThud}));
    }

    // Once shown, "Check Score" stays even when a label is dragged out again;
    // it scores the positions at the time of the press and opens the results
    // above the activity.
    void checkScoreScoresThePositionsOfThePress()
    {
        TestEnvironment env;
        fighterslab &screen = openActivity<fighterslab>();
        placeEveryLabelInItsBox(screen);
        QVERIFY(screen.Label3[DragActivity::CheckScore]->isVisible());
        dragLabelTo(screen.Label2[Helmet], 600, 4800); // open ground, no zone
        QCOMPARE(cornerOf(screen.Label2[Helmet]), QPointF(600, 4800));
        QVERIFY(screen.Label3[DragActivity::CheckScore]->isVisible());
        env.sound->playedWithTop.clear();
        clickOn(screen.Label3[DragActivity::CheckScore]);
        QCOMPARE(Module1.score, 4);
        QCOMPARE(Module1.questionCount, 5);
        QCOMPARE(topScreenName(), QStringLiteral("Welldone"));
        QVERIFY(screen.isVisible());
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@Welldone"});
    }

    // "Start Again" sends every label home and hides "Check Score"; thuds and
    // clicks are heard only with the sound on.
    void startAgainSendsEveryLabelHomeAndHidesCheckScore_data()
    {
        QTest::addColumn<int>("soundOn");
        QTest::addColumn<QStringList>("sounds");
        QTest::addRow("sound on") << 1 << (QStringList(6, kThud) << kClick);
        QTest::addRow("sound off") << 0 << QStringList{};
    }
    void startAgainSendsEveryLabelHomeAndHidesCheckScore()
    {
        QFETCH(int, soundOn);
        QFETCH(QStringList, sounds);
        TestEnvironment env;
        writingord &screen = openActivity<writingord>();
        Module1.soundOn = soundOn;
        dragIntoBox(screen, 1, 3); // "Alpha" and "Beta" swapped
        dragIntoBox(screen, 3, 1);
        for (int i : {0, 2, 4})
            dragIntoBox(screen, i, i);
        clickLabel(screen.Label2[0]); // a plain click on a placed label snaps it again
        QCOMPARE(cornerOf(screen.Label2[0]), cornerOf(screen.Label1[0]));
        QVERIFY(screen.Label3[DragActivity::CheckScore]->isVisible());
        Module1.score = 7;
        clickOn(screen.Label3[DragActivity::StartAgain]);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(cornerOf(screen.Label2[i]), cornerOf(screen.Label4[i])); // its home slot
        QVERIFY(!screen.Label3[DragActivity::CheckScore]->isVisible());
        QCOMPARE(Module1.score, 0);
        QCOMPARE(env.sound->played, sounds);
    }

    void exitClosesTheScreenAndReopeningShowsTheTrayAgain()
    {
        TestEnvironment env;
        Module1.soundOn = 1;
        fighters &menu = touch<fighters>();
        menu.showScreen();
        clickOn(menu.label3[1]); // "Labelling Activity"
        fighterslab *screen = &touch<fighterslab>();
        placeEveryLabelInItsBox(*screen);
        Module1.score = 3;
        env.sound->playedWithTop.clear();
        clickOn(screen->Label3[DragActivity::Exit]);
        QVERIFY(!isLoaded<fighterslab>());
        QCOMPARE(topScreenName(), QStringLiteral("fighters"));
        QCOMPARE(Module1.score, 0);
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@fighters"});

        clickOn(menu.label3[1]);
        screen = &touch<fighterslab>();
        for (int i = 0; i < 5; ++i)
            QCOMPARE(cornerOf(screen->Label2[i]), cornerOf(screen->Label4[i]));
        QVERIFY(!screen->Label3[DragActivity::CheckScore]->isVisible());
    }

    void theHighlightChangesOnlyOverTheBackgroundAndTheButtons()
    {
        TestEnvironment env;
        fighterslab &screen = openActivity<fighterslab>();
        screen.Label3.forEach([](int, Label *b) { QCOMPARE(b->backStyle(), BackStyle::Opaque); });
        hoverOver(&screen, backgroundPoint());
        screen.Label3.forEach([](int, Label *b) { QCOMPARE(b->backStyle(), BackStyle::Transparent); });
        hoverOver(screen.Label3[DragActivity::StartAgain]);
        QCOMPARE(screen.Label3[DragActivity::StartAgain]->backStyle(), BackStyle::Opaque);
        for (QWidget *elsewhere : std::initializer_list<QWidget *>{screen.Label2[0], screen.Label1[0], screen.Image1})
            hoverOver(elsewhere);
        QCOMPARE(screen.Label3[DragActivity::StartAgain]->backStyle(), BackStyle::Opaque);
        hoverOver(screen.Label3[DragActivity::Exit]);
        QCOMPARE(screen.Label3[DragActivity::StartAgain]->backStyle(), BackStyle::Opaque);
        QCOMPARE(screen.Label3[DragActivity::Exit]->backStyle(), BackStyle::Opaque);
        hoverOver(&screen, backgroundPoint());
        screen.Label3.forEach([](int, Label *b) { QCOMPARE(b->backStyle(), BackStyle::Transparent); });
    }

};

VELMORA_TEST(DragEngineTest)
#include "dragengine_test.moc"
