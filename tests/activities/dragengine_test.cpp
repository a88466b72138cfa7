// The drag-and-drop engine as a pupil meets it on the activity screens:
// dragging with the left button, dropping near a box, the completion test,
// the three buttons, the highlight and the sounds.
#include "activities/dragdriver.h"
#include "activities/fighterslab.h"
#include "activities/writingord.h"
#include "shell/fighters.h"
#include "shell/module1.h"
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
    void loadPutsEveryLabelOnItsHomeSlotAndEmptiesTheBoxes()
    {
        TestEnvironment env;
        writingord &screen = openActivity<writingord>();
        QCOMPARE(Module1.questionCount, 5);
        const QStringList names{"Gamma", "Alpha", "Epsilon", "Beta", "Delta"};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(screen.Label2[i]->caption(), names[i]);
            QVERIFY(screen.Label1[i]->caption().isEmpty());
            QCOMPARE(screen.Label1[i]->backStyle(), BackStyle::Transparent);
            QVERIFY(screen.Label1[i]->hasBorder());
            QCOMPARE(cornerOf(screen.Label4[i]), cornerOf(screen.Label2[i]));
            QVERIFY(screen.Label2[i]->isVisible() && screen.Label4[i]->isVisible() && screen.Label1[i]->isVisible());
        }
        QVERIFY(!screen.Label3[DragActivity::CheckScore]->isVisible());
        QVERIFY(screen.Label3[DragActivity::Exit]->isVisible());
        QVERIFY(screen.Label3[DragActivity::StartAgain]->isVisible());
        // A pupil pressing where a label lies reaches the label, not what is under it.
        QCOMPARE(screen.childAt(screen.Label2[0]->geometry().center()), static_cast<QWidget *>(screen.Label2[0]));
    }

    void aLabelFollowsTheLeftButtonAndSnapsJustInsideTheZone()
    {
        TestEnvironment env;
        fighterslab &screen = openActivity<fighterslab>();
        Label *helmet = screen.Label2[Helmet];
        dragLabelWithoutRelease(helmet, 9240 - 1162, 1380 - 187);
        QCOMPARE(cornerOf(helmet), QPointF(8078, 1193));
        QVERIFY(env.sound->played.isEmpty());
        releaseOn(helmet, helmet->rect().center());
        QCOMPARE(cornerOf(helmet), cornerOf(screen.Label1[Helmet]));
        QCOMPARE(env.sound->played, QStringList{kThud});
    }

    void aReleaseExactlyOnAZoneBoundaryStaysWhereItFell_data()
    {
        QTest::addColumn<int>("part");
        QTest::addColumn<QPointF>("corner");
        QTest::addRow("on the left bound") << int(Helmet) << QPointF(9240 - 1162.5, 1380);
        QTest::addRow("on the top bound") << int(Helmet) << QPointF(9240, 1380 - 187.5);
        QTest::addRow("on the right edge") << int(Spear) << QPointF(1800 + 2325, 1140);
        QTest::addRow("on the bottom edge") << int(Shield) << QPointF(1800, 3060 + 375);
    }
    void aReleaseExactlyOnAZoneBoundaryStaysWhereItFell()
    {
        QFETCH(int, part);
        QFETCH(QPointF, corner);
        TestEnvironment env;
        fighterslab &screen = openActivity<fighterslab>();
        dragLabelTo(screen.Label2[part], corner.x(), corner.y());
        QCOMPARE(cornerOf(screen.Label2[part]), corner);
        QVERIFY(env.sound->played.isEmpty());
    }

    void theLabelFollowsEveryMoveEvenWhenThePointerRunsAhead()
    {
        TestEnvironment env;
        fighterslab &screen = openActivity<fighterslab>();
        Label *greaves = screen.Label2[Greaves];
        pressOn(greaves, greaves->rect().center());
        // Far outside the label: the pointer got ahead of it.
        movePointer(greaves, QPointF(400, -200), Qt::LeftButton);
        QCOMPARE(cornerOf(greaves), QPointF(1920 + 400 * 15 - 1162.5, 5520 - 200 * 15 - 187.5));
        movePointer(greaves, QPointF(-300, 100), Qt::LeftButton);
        QCOMPARE(cornerOf(greaves), QPointF(1920 + 400 * 15 - 300 * 15 - 2 * 1162.5, 5520 - 100 * 15 - 2 * 187.5));
    }

    void aDraggedLabelCannotLeaveTheScreen()
    {
        TestEnvironment env;
        fighterslab &screen = openActivity<fighterslab>();
        Label *spear = screen.Label2[Spear];
        pressOn(spear, spear->rect().center());
        movePointer(spear, QPointF(2000, 2000), Qt::LeftButton);
        QCOMPARE(cornerOf(spear), QPointF(12000 - 2325, 9000 - 375));
        movePointer(spear, QPointF(-2000, -2000), Qt::LeftButton);
        QCOMPARE(cornerOf(spear), QPointF(0, 0));
        releaseOn(spear, spear->rect().center());
        QVERIFY(screen.rect().contains(spear->geometry()));
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

    void aPlainClickOnALabelInABoxSnapsInPlaceWithAThud()
    {
        TestEnvironment env;
        fighterslab &screen = openActivity<fighterslab>();
        dragIntoBox(screen, Greaves, Greaves);
        env.sound->played.clear();
        clickLabel(screen.Label2[Greaves]);
        QCOMPARE(cornerOf(screen.Label2[Greaves]), cornerOf(screen.Label1[Greaves]));
        QCOMPARE(env.sound->played, QStringList{kThud});
    }

    void aDropOnAHomeSlotSnapsThereButDoesNotCount()
    {
        TestEnvironment env;
        fighterslab &screen = openActivity<fighterslab>();
        // The home slots are narrower than the labels; a drop aligns left and top edges.
        QCOMPARE(screen.Label4[Spear]->width(), 1845.0);
        QCOMPARE(screen.Label4[Spear]->height(), 375.0);
        const QPointF otherSlot = cornerOf(screen.Label4[Breastplate]);
        dragLabelTo(screen.Label2[Spear], otherSlot.x() + 300, otherSlot.y() - 100);
        QCOMPARE(cornerOf(screen.Label2[Spear]), otherSlot);
        QCOMPARE(count(env.sound->played, kThud), 1);
        for (int part : {Greaves, Breastplate, Shield, Helmet})
            dragIntoBox(screen, part, part);
        QVERIFY(!screen.Label3[DragActivity::CheckScore]->isVisible());
        dragIntoBox(screen, Spear, Spear);
        QVERIFY(screen.Label3[DragActivity::CheckScore]->isVisible());
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

    void labelsStackedInOneBoxAllCountForCompletion()
    {
        TestEnvironment env;
        writingord &screen = openActivity<writingord>();
        dragIntoBox(screen, 0, 0);
        dragIntoBox(screen, 1, 0);
        QCOMPARE(cornerOf(screen.Label2[1]), cornerOf(screen.Label2[0]));
        dragIntoBox(screen, 2, 2);
        dragIntoBox(screen, 3, 3);
        QVERIFY(!screen.Label3[DragActivity::CheckScore]->isVisible());
        dragIntoBox(screen, 4, 3);
        // Boxes 1 and 4 are still empty.
        QVERIFY(screen.Label3[DragActivity::CheckScore]->isVisible());
        clickOn(screen.Label3[DragActivity::CheckScore]);
        QCOMPARE(Module1.score, 3);
    }

    void afterCompletionDraggingOneOutKeepsCheckScore()
    {
        TestEnvironment env;
        fighterslab &screen = openActivity<fighterslab>();
        placeEveryLabelInItsBox(screen);
        QVERIFY(screen.Label3[DragActivity::CheckScore]->isVisible());
        dragLabelTo(screen.Label2[Helmet], 600, 4800); // open ground, no zone
        QCOMPARE(cornerOf(screen.Label2[Helmet]), QPointF(600, 4800));
        QVERIFY(screen.Label3[DragActivity::CheckScore]->isVisible());
        clickOn(screen.Label3[DragActivity::CheckScore]);
        QCOMPARE(Module1.score, 4); // the positions at the time of the press
    }

    void checkScoreOpensTheResultsAboveTheActivity()
    {
        TestEnvironment env;
        fighterslab &screen = openActivity<fighterslab>();
        placeEveryLabelInItsBox(screen);
        env.sound->playedWithTop.clear();
        clickOn(screen.Label3[DragActivity::CheckScore]);
        QCOMPARE(Module1.score, 5);
        QCOMPARE(Module1.questionCount, 5);
        QCOMPARE(topScreenName(), QStringLiteral("Welldone"));
        QVERIFY(screen.isVisible());
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@Welldone"});
    }

    void startAgainSendsEveryLabelHomeAndHidesCheckScore()
    {
        TestEnvironment env;
        writingord &screen = openActivity<writingord>();
        std::vector<QPointF> homes;
        for (int i = 0; i < 5; ++i)
            homes.push_back(cornerOf(screen.Label2[i]));
        dragIntoBox(screen, 1, 3); // "Alpha" and "Beta" swapped
        dragIntoBox(screen, 3, 1);
        for (int i : {0, 2, 4})
            dragIntoBox(screen, i, i);
        QVERIFY(screen.Label3[DragActivity::CheckScore]->isVisible());
        Module1.score = 7;
        env.sound->played.clear();
        clickOn(screen.Label3[DragActivity::StartAgain]);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(cornerOf(screen.Label2[i]), homes[size_t(i)]);
        QVERIFY(!screen.Label3[DragActivity::CheckScore]->isVisible());
        QCOMPARE(Module1.score, 0);
        QCOMPARE(env.sound->played, QStringList{kClick});
    }

    void exitClosesTheScreenAndReopeningShowsTheTrayAgain()
    {
        TestEnvironment env;
        Module1.soundOn = 1;
        fighters &menu = touch<fighters>();
        menu.showScreen();
        clickOn(menu.label3[1]); // "Labelling Activity"
        QCOMPARE(topScreenName(), QStringLiteral("fighterslab"));
        fighterslab *screen = &touch<fighterslab>();
        QCOMPARE(screen->Label6->caption(), QStringLiteral("Greek Fighters"));
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
        for (QWidget *elsewhere : {static_cast<QWidget *>(screen.Label2[0]), static_cast<QWidget *>(screen.Label1[0]),
                                   static_cast<QWidget *>(screen.Label4[0]), static_cast<QWidget *>(screen.Image1),
                                   static_cast<QWidget *>(screen.Label5)})
            hoverOver(elsewhere);
        QCOMPARE(screen.Label3[DragActivity::StartAgain]->backStyle(), BackStyle::Opaque);
        hoverOver(screen.Label3[DragActivity::Exit]);
        QCOMPARE(screen.Label3[DragActivity::StartAgain]->backStyle(), BackStyle::Opaque);
        QCOMPARE(screen.Label3[DragActivity::Exit]->backStyle(), BackStyle::Opaque);
        hoverOver(&screen, backgroundPoint());
        screen.Label3.forEach([](int, Label *b) { QCOMPARE(b->backStyle(), BackStyle::Transparent); });
    }

    void withTheSoundOffSnapsAndClicksAreSilent()
    {
        TestEnvironment env;
        fighterslab &screen = openActivity<fighterslab>();
        Module1.soundOn = 0;
        placeEveryLabelInItsBox(screen);
        clickLabel(screen.Label2[0]);
        clickOn(screen.Label3[DragActivity::StartAgain]);
        QVERIFY(env.sound->played.isEmpty());
        Module1.soundOn = 1;
        dragIntoBox(screen, 0, 0);
        QCOMPARE(env.sound->played, QStringList{kThud});
    }
};

VELMORA_TEST(DragEngineTest)
#include "dragengine_test.moc"
