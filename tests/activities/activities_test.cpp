// The four activity screens as a pupil plays them from their topic menus:
// dragging with the left button, snapping into boxes with a thud, "Check
// Score" once every label lies in a box, "Start Again", "Exit" and the
// button highlight. (Each screen to its certificate: PrintoutsTest.)
#include "activities/dragengine.h"
#include "activities/fighterslab.h"
#include "activities/fightersord.h"
#include "activities/writinglab.h"
#include "activities/writingord.h"
#include "common/module1.h"
#include "shell/topicmenu.h"
#include "support/pupil.h"
#include "support/testenv.h"
#include "toolkit/twips.h"
#include "testregistry.h"

#include <QFontMetrics>
#include <QtTest>

namespace {
const QString kThud = QStringLiteral("wav\\thud3.wav");
enum MenuButton { LabellingActivity = 1, OrderingActivity = 3 };
enum SoldierPart { Shield = 3 };

// Opens an activity from its topic menu ("fighters" or "writing"), with the sound on.
DragActivity &openActivity(const QString &unit, int button)
{
    Module1.soundOn = 1;
    return static_cast<DragActivity &>(clickTopicMenuButton(unit, button));
}

bool lit(const Label *button) { return button->backStyle() == BackStyle::Opaque; }

void pressOn(QWidget *widget, QPointF at, Qt::MouseButton button = Qt::LeftButton) { QTest::mousePress(widget, button, {}, at.toPoint()); }
void releaseOn(QWidget *widget, QPointF at, Qt::MouseButton button = Qt::LeftButton) { QTest::mouseRelease(widget, button, {}, at.toPoint()); }

QPointF cornerOf(const Label *label) { return QPointF(label->left(), label->top()); }
} // namespace

class ActivitiesTest : public QObject {
    Q_OBJECT
private slots:
    // Only the left button alone drags; a release of any button drops the
    // label, here into its home slot with a thud.
    void aPupilLabelsTheSoldier()
    {
        TestEnvironment env;
        DragActivity &screen = openActivity("fighters", LabellingActivity);
        QCOMPARE(screen.Label6->caption(), QStringLiteral("Greek Fighters"));
        env.sound->played.clear();
        Label *shield = screen.Label2[Shield];
        const QPointF home = cornerOf(shield);
        pressOn(shield, {20, 10}, Qt::RightButton);
        for (Qt::MouseButtons held : {Qt::MouseButtons(Qt::RightButton), Qt::LeftButton | Qt::RightButton, {}})
            moveWithButtons(shield, {300, 40}, held);
        releaseOn(shield, {20, 10}, Qt::RightButton);
        QVERIFY(cornerOf(shield) == home && env.sound->played == QStringList{kThud});
    }

    // A home slot moved so that box 0's corner lies in its zone is tried
    // after the box: the label snaps twice. "Check Score", shown once every
    // label lies in a box, stays when one is dragged out again. "Start
    // Again" sends every label home, silently with the sound off. The buttons start boxed, lose their
    // boxes over the background and light up again only over themselves.
    void snapsInOrderStartAgainAndTheHighlight()
    {
        TestEnvironment env;
        DragActivity &screen = openActivity("writing", OrderingActivity);
        const QPointF slot = cornerOf(screen.Label4[0]);
        screen.Label4[0]->moveTo(5300, 4700);
        env.sound->played.clear();
        dragIntoBox(screen, 0, 0);
        QVERIFY(cornerOf(screen.Label2[0]) == QPointF(5300, 4700) && env.sound->played == QStringList(2, kThud));
        screen.Label4[0]->moveTo(slot.x(), slot.y());
        for (int i = 0; i < 5; ++i)
            dragIntoBox(screen, i, i);
        dragLabelTo(screen.Label2[4], 600, 4000);
        QVERIFY(screen.Label3[DragActivity::CheckScore]->isVisible());
        Module1.soundOn = 0;
        clickOn(screen.Label3[DragActivity::StartAgain]);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(cornerOf(screen.Label2[i]), cornerOf(screen.Label4[i]));
        QVERIFY(!screen.Label3[DragActivity::CheckScore]->isVisible() && Module1.score == 0);
        QCOMPARE(env.sound->played.size(), 7);
        QVERIFY(lit(screen.Label3[DragActivity::Exit]));
        hoverOver(&screen, QPoint(20, 440));
        hoverOver(screen.Label2[0]); // labels change nothing
        QVERIFY(!lit(screen.Label3[DragActivity::Exit]) && !lit(screen.Label3[DragActivity::StartAgain]));
        Module1.soundOn = 1;
        clickOn(screen.Label3[DragActivity::Exit]);
        QCOMPARE(env.sound->playedWithTop.last(), QStringLiteral("wav\\click.wav@writing"));
        QCOMPARE(cornerOf(openActivity("writing", OrderingActivity).Label2[0]), slot); // the tray as at the start
    }

    // True sentences dropped where the "True" and "False" zones overlap go to
    // "False"; every Greek letter has a glyph in the font it is drawn with.
    void theSentencesWordsAndLetters()
    {
        TestEnvironment env;
        DragActivity &sentences = openActivity("fighters", OrderingActivity);
        dragLabelTo(sentences.Label2[5], 3278, 2400); // true, at the row of boxes 1 (false) and 5 (true)
        QCOMPARE(cornerOf(sentences.Label2[5]), QPointF(6120, 2400));
        const writinglab &words = static_cast<writinglab &>(openActivity("writing", LabellingActivity));
        const writingord &letters = static_cast<writingord &>(openActivity("writing", OrderingActivity));
        QCOMPARE(words.Label5[0]->displayedText() + letters.Label5[5]->displayedText() + letters.Label5[0]->displayedText(),
                 QStringLiteral("ΑτηενσΑα"));
        words.Label5.forEach([](int, const Label *greek) {
            for (QChar c : greek->displayedText())
                QVERIFY2(QFontMetrics(greek->font()).inFont(c), qPrintable(greek->font().family()));
        });
    }
};

VELMORA_TEST(ActivitiesTest)
#include "activities_test.moc"
