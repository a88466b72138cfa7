// The four activity screens as a pupil plays them from their topic menus:
// dragging with the left button, snapping into boxes with a thud, "Check
// Score" once every label lies in a box, each screen's answer key, "Start
// Again", "Exit" and the button highlight.
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
enum SoldierPart { Greaves = 0, Breastplate = 1, Spear = 2, Shield = 3, Helmet = 4 };

// Opens an activity from its topic menu ("fighters" or "writing"), with the sound on.
DragActivity &openActivity(const QString &unit, int button)
{
    Module1.soundOn = 1;
    TopicMenu &menu = unit == QLatin1String("fighters") ? static_cast<TopicMenu &>(touch<fighters>()) : touch<writing>();
    menu.showScreen();
    clickOn(menu.label3[button]);
    return *qobject_cast<DragActivity *>(screens::topmost());
}

bool lit(const Label *button) { return button->backStyle() == BackStyle::Opaque; }

void pressOn(QWidget *widget, QPointF at, Qt::MouseButton button = Qt::LeftButton) { QTest::mousePress(widget, button, {}, at.toPoint()); }
void releaseOn(QWidget *widget, QPointF at, Qt::MouseButton button = Qt::LeftButton) { QTest::mouseRelease(widget, button, {}, at.toPoint()); }

QPointF cornerOf(const Label *label) { return QPointF(label->left(), label->top()); }

// Press on the label's middle, moves with the left button held that end with
// its top-left corner at (left, top) twips, then the release.
void dragLabelTo(Label *label, double left, double top)
{
    const QPointF start = cornerOf(label);
    const QPointF middle = QPointF(label->width(), label->height()) / (2 * twips::fromPixels(1));
    pressOn(label, middle);
    // The engine centres the label on the pointer, given relative to the label as it stands on the screen.
    for (int step = 1; step <= 4; ++step) {
        const QPointF corner = start + (QPointF(left, top) - start) * step / 4;
        moveWithButtons(label, corner / twips::fromPixels(1) + middle - label->pos(), Qt::LeftButton);
    }
    releaseOn(label, middle);
}

// Drags label `labelIndex` straight onto box `boxIndex`.
void dragIntoBox(DragActivity &screen, int labelIndex, int boxIndex)
{
    dragLabelTo(screen.Label2[labelIndex], screen.Label1[boxIndex]->left(), screen.Label1[boxIndex]->top());
}
} // namespace

class ActivitiesTest : public QObject {
    Q_OBJECT
private slots:
    void aPupilLabelsTheSoldier()
    {
        TestEnvironment env;
        DragActivity &screen = openActivity("fighters", LabellingActivity);
        QCOMPARE(screen.Label6->caption(), QStringLiteral("Greek Fighters"));
        QVERIFY(screen.Label2[Helmet]->caption() == QLatin1String("Plumed Helmet") && screen.Label1[Helmet]->caption().isEmpty());
        env.sound->played.clear();
        // Only the left button alone drags; any release drops the label, here back into its home slot.
        Label *shield = screen.Label2[Shield];
        const QPointF home = cornerOf(shield);
        pressOn(shield, {20, 10}, Qt::RightButton);
        for (Qt::MouseButtons held : {Qt::MouseButtons(Qt::RightButton), Qt::LeftButton | Qt::RightButton, {}})
            moveWithButtons(shield, {300, 40}, held);
        releaseOn(shield, {20, 10}, Qt::RightButton);
        QCOMPARE(cornerOf(shield), home);
        QCOMPARE(env.sound->played, QStringList{kThud});
        // The label's middle follows the pointer, but the label never leaves the screen.
        pressOn(screen.Label2[Greaves], {70, 12});
        moveWithButtons(screen.Label2[Greaves], {2000, 2000});
        QCOMPARE(cornerOf(screen.Label2[Greaves]), QPointF(12000 - 2325, 9000 - 375));
        // A label on another's home slot does not count; two labels stacked in one box both do.
        dragLabelTo(screen.Label2[Spear], screen.Label4[Breastplate]->left() + 300, screen.Label4[Breastplate]->top());
        QCOMPARE(cornerOf(screen.Label2[Spear]), cornerOf(screen.Label4[Breastplate]));
        for (auto [label, box] : {std::pair{Greaves, Greaves}, {Breastplate, Greaves}, {Shield, Shield}, {Helmet, Helmet}})
            dragIntoBox(screen, label, box);
        QVERIFY(!screen.Label3[DragActivity::CheckScore]->isVisible());
        dragLabelTo(screen.Label2[Spear], 9240 - 1162, 1380 - 187); // just inside the helmet box's zone
        QVERIFY(cornerOf(screen.Label2[Spear]) == cornerOf(screen.Label1[Helmet]) && screen.Label3[DragActivity::CheckScore]->isVisible());
        // It stays once shown; the score counts the labels where they lie at the press.
        dragLabelTo(screen.Label2[Helmet], 600, 4800);
        clickOn(screen.Label3[DragActivity::CheckScore]);
        QVERIFY(Module1.score == 2 && Module1.questionCount == 5 && screen.isVisible());
        QCOMPARE(env.sound->playedWithTop.last(), QStringLiteral("wav\\click.wav@Welldone"));
    }

    // A home slot moved so that box 0's corner lies in its zone is tried
    // after the box: the label snaps twice. "Start Again" sends every label
    // home, silently with the sound off. The buttons start boxed, lose their
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

    // Each screen's answer key, through its own scoring rule.
    void eachScreenScoresItsAnswerKey_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<int>("button");
        QTest::addColumn<QList<int>>("boxOfLabel");
        QTest::addColumn<int>("score");
        QTest::addRow("soldier") << "fighters" << int(LabellingActivity) << QList<int>{1, 0, 2, 3, 4} << 3;
        QTest::addRow("Greek words") << "writing" << int(LabellingActivity) << QList<int>{0, 1, 2, 3, 4, 5} << 6;
        QTest::addRow("Greek letters") << "writing" << int(OrderingActivity) << QList<int>{0, 3, 2, 1, 4} << 3;
        // Sentence 5 (true) takes false box 0; false sentence 0 shares box 1.
        QTest::addRow("sentences") << "fighters" << int(OrderingActivity) << QList<int>{1, 1, 2, 3, 4, 0, 6, 7, 8, 9} << 9;
    }
    void eachScreenScoresItsAnswerKey()
    {
        QFETCH(QString, unit);
        QFETCH(int, button);
        QFETCH(QList<int>, boxOfLabel);
        TestEnvironment env;
        DragActivity &screen = openActivity(unit, button);
        QCOMPARE(screen.labelCount(), int(boxOfLabel.size()));
        for (int i = 0; i < screen.labelCount(); ++i)
            dragIntoBox(screen, i, boxOfLabel[i]);
        clickOn(screen.Label3[DragActivity::CheckScore]);
        QTEST(Module1.score, "score");
    }

    // True sentences dropped where the "True" and "False" zones overlap go to
    // "False"; every Greek letter has a glyph in the font it is drawn with.
    void theSentencesWordsAndLetters()
    {
        TestEnvironment env;
        DragActivity &sentences = openActivity("fighters", OrderingActivity);
        for (int row = 0; row < 5; ++row) {
            dragLabelTo(sentences.Label2[5 + row], 3278 + 600 * row, 1800 + 600 * row);
            QCOMPARE(cornerOf(sentences.Label2[5 + row]), QPointF(6120, 1800 + 600 * row));
        }
        const writinglab &words = static_cast<writinglab &>(openActivity("writing", LabellingActivity));
        const writingord &letters = static_cast<writingord &>(openActivity("writing", OrderingActivity));
        QCOMPARE(words.Label5[0]->displayedText() + letters.Label5[5]->displayedText() + letters.Label5[0]->displayedText(),
                 QStringLiteral("ΑτηενσΑα"));
        words.Label5.forEach([](int, const Label *greek) {
            for (QChar c : greek->displayedText())
                QVERIFY2(QFontMetrics(greek->font()).inFont(c), qPrintable(greek->font().family()));
        });
    }
    // The keyboard alone, to a full score: Space picks a label up, the arrows
    // and Tab carry it from place to place, Escape puts it back untouched,
    // Enter drops it through the drop test with its thud; Enter on "Check
    // Score" scores as a click does.
    void aFullScoreByKeysAlone_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<int>("button");
        QTest::addRow("soldier") << "fighters" << int(LabellingActivity);
        QTest::addRow("Greek letters") << "writing" << int(OrderingActivity);
    }
    void aFullScoreByKeysAlone()
    {
        QFETCH(QString, unit);
        QFETCH(int, button);
        TestEnvironment env;
        Module1.soundOn = 1;
        TopicMenu &menu = unit == QLatin1String("fighters") ? static_cast<TopicMenu &>(touch<fighters>()) : touch<writing>();
        menu.showScreen();
        tabTo(menu.label3[button], Qt::Key_Return);
        DragActivity &screen = *qobject_cast<DragActivity *>(screens::topmost());
        env.sound->played.clear();
        const QPointF home = cornerOf(screen.Label2[0]);
        tabTo(screen.Label2[0], Qt::Key_Space);
        for (int key : {Qt::Key_Up, Qt::Key_Tab, Qt::Key_Escape})
            pressKey(key);
        QVERIFY(cornerOf(screen.Label2[0]) == home && env.sound->played.isEmpty());
        for (int i = 0; i < screen.labelCount(); ++i) {
            tabTo(screen.Label2[i], Qt::Key_Space);
            pressKey(Qt::Key_Up);
            pressKey(Qt::Key_Tab, Qt::ShiftModifier);
            for (int step = 0; step < 30 && cornerOf(screen.Label2[i]) != cornerOf(screen.Label1[i]); ++step)
                pressKey(Qt::Key_Tab);
            pressKey(Qt::Key_Return);
            QCOMPARE(screen.Label2[i]->accessibleName(), screen.Label2[i]->caption() + ", in " + screen.Label1[i]->accessibleName().section(',', 0, 0));
        }
        QCOMPARE(env.sound->played, QStringList(screen.labelCount(), kThud));
        tabTo(screen.Label3[DragActivity::CheckScore], Qt::Key_Return);
        QVERIFY(Module1.score == screen.labelCount() && topScreenName() == QLatin1String("Welldone"));
    }
};

VELMORA_TEST(ActivitiesTest)
#include "activities_test.moc"
