// The four activity screens, each opened from its topic menu as a pupil
// opens it: what they show, their answer keys and their scoring.
#include "activities/dragdriver.h"
#include "activities/fighterslab.h"
#include "activities/fightersord.h"
#include "activities/writinglab.h"
#include "activities/writingord.h"
#include "quiz/welldone.h"
#include "shell/fighters.h"
#include "shell/module1.h"
#include "shell/writing.h"
#include "support/testenv.h"
#include "testregistry.h"

#include <QFontMetrics>
#include <QtTest>

namespace {
enum MenuButton { LabellingActivity = 1, OrderingActivity = 3 };

// Opens the topic menu, then the activity from it.
template <class Menu, class Activity>
Activity &openFromMenu(int button)
{
    Module1.soundOn = 1;
    Menu &menu = touch<Menu>();
    menu.showScreen();
    clickOn(menu.label3[button]);
    return touch<Activity>();
}

// Drops label i into box boxOfLabel[i] for every label, then presses "Check Score".
int scoreWith(DragActivity &screen, const std::vector<int> &boxOfLabel)
{
    for (int i = 0; i < int(boxOfLabel.size()); ++i)
        dragIntoBox(screen, i, boxOfLabel[size_t(i)]);
    if (!screen.Label3[DragActivity::CheckScore]->isVisible())
        return -1;
    clickOn(screen.Label3[DragActivity::CheckScore]);
    return Module1.score;
}

std::vector<int> ownBoxes(int n)
{
    std::vector<int> boxes;
    for (int i = 0; i < n; ++i)
        boxes.push_back(i);
    return boxes;
}

// Every character the label shows has a glyph in the font it is drawn with.
bool fontHasEveryGlyph(const Label *label)
{
    const QFontMetrics metrics(label->font());
    for (QChar c : label->displayedText())
        if (!metrics.inFont(c))
            return false;
    return true;
}
} // namespace

class ActivityScreensTest : public QObject {
    Q_OBJECT
private slots:
    void eachMenuOpensItsActivitiesWithItsTitle_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("activity");
        QTest::addColumn<int>("items");
        QTest::addRow("fighters labelling") << "fighters" << int(LabellingActivity) << "fighterslab" << 5;
        QTest::addRow("fighters ordering") << "fighters" << int(OrderingActivity) << "fightersord" << 10;
        QTest::addRow("writing labelling") << "writing" << int(LabellingActivity) << "writinglab" << 6;
        QTest::addRow("writing ordering") << "writing" << int(OrderingActivity) << "writingord" << 5;
    }
    void eachMenuOpensItsActivitiesWithItsTitle()
    {
        QFETCH(QString, unit);
        QFETCH(int, button);
        QFETCH(QString, activity);
        QFETCH(int, items);
        TestEnvironment env;
        Module1.soundOn = 1;
        TopicMenu *menu = unit == "fighters" ? static_cast<TopicMenu *>(&touch<fighters>())
                                             : static_cast<TopicMenu *>(&touch<writing>());
        menu->showScreen();
        clickOn(menu->label3[button]);
        QCOMPARE(topScreenName(), activity);
        auto *screen = qobject_cast<DragActivity *>(screens::topmost());
        QVERIFY(screen);
        QCOMPARE(screen->Label6->caption(), menu->Label1->caption());
        QCOMPARE(screen->count(), items);
        QCOMPARE(Module1.questionCount, items);
        QCOMPARE(screen->clientSizeTwips(), QSizeF(12000, 9000));
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@" + activity});
    }

    void soldierScreen()
    {
        TestEnvironment env;
        fighterslab &screen = openFromMenu<fighters, fighterslab>(LabellingActivity);
        QCOMPARE(screen.Image1->picturePath(), QStringLiteral("Images\\SOLDIER.jpg"));
        QVERIFY(!screen.Image1->picture().isNull());
        QCOMPARE(screen.Line1.size(), 5);
        // Each leader line runs level from the picture to the box of the part it names,
        // its box-side end just beside the box.
        const std::pair<int, int> lineToBox[] = {{0, 2}, {1, 3}, {2, 1}, {3, 0}, {4, 4}};
        for (auto [line, box] : lineToBox) {
            const LineControl *l = screen.Line1[line];
            const Label *target = screen.Label1[box];
            QCOMPARE(l->y1(), l->y2());
            QVERIFY(target->top() < l->y1() && l->y1() < target->top() + target->height());
            const double gap = target->left() > l->x2() ? target->left() - l->x2()
                                                         : l->x1() - (target->left() + target->width());
            QVERIFY2(gap > 0 && gap <= 120, qPrintable(QString::number(line)));
        }
        QCOMPARE(screen.Label2[4]->caption(), QStringLiteral("Plumed Helmet"));
        QCOMPARE(scoreWith(screen, ownBoxes(5)), 5);
        QCOMPARE(topScreenName(), QStringLiteral("Welldone"));
        QCOMPARE(touch<Welldone>().Label1->caption(), QStringLiteral("Excellent work. You have scored 5 out of 5."));
    }

    void soldierScreenWithTwoPartsSwapped()
    {
        TestEnvironment env;
        fighterslab &screen = openFromMenu<fighters, fighterslab>(LabellingActivity);
        QCOMPARE(scoreWith(screen, {1, 0, 2, 3, 4}), 3);
        QCOMPARE(touch<Welldone>().Label1->caption(), QStringLiteral("Good work. You have scored 3 out of 5."));
    }

    void greekWordsScreen()
    {
        TestEnvironment env;
        writinglab &screen = openFromMenu<writing, writinglab>(LabellingActivity);
        const QStringList greek{"Ατηενσ", "Ηοπλιτε", "Σπαρτα", "Σοχρατεσ", "Απολλο", "Αργοναυτ"};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(screen.Label5[i]->displayedText(), greek[i]);
            QVERIFY2(fontHasEveryGlyph(screen.Label5[i]), qPrintable(screen.Label5[i]->font().family()));
        }
        // Each word in Greek letters stands left of the box of the same word.
        const std::pair<int, int> wordToBox[] = {{2, 0}, {0, 1}, {4, 2}, {1, 3}, {3, 4}, {5, 5}};
        for (auto [word, box] : wordToBox) {
            QCOMPARE(screen.Label5[word]->caption(), screen.Label2[box]->caption());
            QVERIFY(screen.Label5[word]->left() < screen.Label1[box]->left());
            QVERIFY(qAbs(screen.Label5[word]->top() - screen.Label1[box]->top()) <= 120);
        }
        QCOMPARE(scoreWith(screen, ownBoxes(6)), 6);
    }

    void greekWordsWithSpartaAndAthensSwapped()
    {
        TestEnvironment env;
        writinglab &screen = openFromMenu<writing, writinglab>(LabellingActivity);
        QCOMPARE(scoreWith(screen, {1, 0, 2, 3, 4, 5}), 4);
    }

    void theHiddenAlphabetStripReadsThreeLettersOn()
    {
        TestEnvironment env;
        writinglab &screen = openFromMenu<writing, writinglab>(LabellingActivity);
        QCOMPARE(screen.Label7.size(), 26);
        QCOMPARE(screen.Label10.size(), 26);
        QString plain, shifted;
        for (int i = 0; i < 26; ++i) {
            plain += screen.Label7[i]->caption();
            shifted += screen.Label10[i]->caption();
            for (const Label *letter : {screen.Label7[i], screen.Label10[i]}) {
                QVERIFY(letter->isHidden());
                QCOMPARE(letter->left(), 360.0 + 435 * i);
                QCOMPARE(letter->width(), 375.0);
                QCOMPARE(letter->height(), 495.0);
            }
            QCOMPARE(screen.Label7[i]->top(), 2160.0);
            QCOMPARE(screen.Label10[i]->top(), 2640.0);
            QCOMPARE(screen.Label10[i]->backStyle(), BackStyle::Opaque);
            QCOMPARE(screen.Label7[i]->backStyle(), BackStyle::Transparent);
        }
        QCOMPARE(plain, QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
        QCOMPARE(shifted, QStringLiteral("DEFGHIJKLMNOPQRSTUVWXYZABC"));
    }

    void greekLettersScreen()
    {
        TestEnvironment env;
        writingord &screen = openFromMenu<writing, writingord>(OrderingActivity);
        QString capitals, smalls;
        for (int i = 0; i < 5; ++i) {
            smalls += screen.Label5[i]->displayedText();
            capitals += screen.Label5[i + 5]->displayedText();
            QVERIFY(fontHasEveryGlyph(screen.Label5[i]) && fontHasEveryGlyph(screen.Label5[i + 5]));
        }
        QCOMPARE(capitals, QStringLiteral("ΑΒΓΔΕ"));
        QCOMPARE(smalls, QStringLiteral("αβγδε"));
        QCOMPARE(screen.Label5[2]->top(), 3240.0); // the small gamma sits higher
        // In the tray, left to right.
        QStringList tray;
        std::vector<const Label *> labels;
        screen.Label2.forEach([&](int, const Label *l) { labels.push_back(l); });
        std::sort(labels.begin(), labels.end(), [](const Label *a, const Label *b) { return a->left() < b->left(); });
        for (const Label *l : labels)
            tray << l->caption();
        QCOMPARE(tray, QStringList({"Gamma", "Alpha", "Delta", "Beta", "Epsilon"}));
        QCOMPARE(scoreWith(screen, ownBoxes(5)), 5);
    }

    void greekLettersWithAlphaAndBetaSwapped()
    {
        TestEnvironment env;
        writingord &screen = openFromMenu<writing, writingord>(OrderingActivity);
        QCOMPARE(scoreWith(screen, {0, 3, 2, 1, 4}), 3);
    }

    void overlappingLetterZonesEndInTheLowerIndexBox_data()
    {
        QTest::addColumn<double>("left");
        QTest::addRow("just right of the Beta zone's start") << 2603.0;
        QTest::addRow("middle of the overlap") << 2850.0;
        QTest::addRow("just short of the Alpha zone's end") << 3074.0;
    }
    void overlappingLetterZonesEndInTheLowerIndexBox()
    {
        QFETCH(double, left);
        TestEnvironment env;
        writingord &screen = openFromMenu<writing, writingord>(OrderingActivity);
        env.sound->played.clear();
        dragLabelTo(screen.Label2[4], left, 4680);
        QCOMPARE(cornerOf(screen.Label2[4]), cornerOf(screen.Label1[1])); // "Alpha", not "Beta"
        QCOMPARE(env.sound->played, QStringList{"wav\\thud3.wav"});
    }

    void trueOrFalseSentences()
    {
        TestEnvironment env;
        fightersord &screen = openFromMenu<fighters, fightersord>(OrderingActivity);
        QCOMPARE(screen.Label5[0]->caption(), QStringLiteral("True"));
        QCOMPARE(screen.Label5[2]->caption(), QStringLiteral("False"));
        QVERIFY(!screen.Label5.contains(1));
        // The home slots take the labels' width and keep their own height.
        QCOMPARE(screen.Label4[0]->width(), 5685.0);
        QCOMPARE(screen.Label4[0]->height(), 375.0);
        // Any order within a column scores full marks; "Check Score" waits for all ten.
        const std::vector<int> shuffled{4, 3, 0, 1, 2, 9, 5, 8, 6, 7};
        for (int i = 0; i < 9; ++i)
            dragIntoBox(screen, i, shuffled[size_t(i)]);
        QVERIFY(!screen.Label3[DragActivity::CheckScore]->isVisible());
        dragIntoBox(screen, 9, shuffled[9]);
        QVERIFY(screen.Label3[DragActivity::CheckScore]->isVisible());
        clickOn(screen.Label3[DragActivity::CheckScore]);
        QCOMPARE(Module1.score, 10);
    }

    void oneTrueSentenceInTheFalseColumn()
    {
        TestEnvironment env;
        fightersord &screen = openFromMenu<fighters, fightersord>(OrderingActivity);
        // Sentence 5 (true) takes false box 0; false sentence 0 shares box 1.
        QCOMPARE(scoreWith(screen, {1, 1, 2, 3, 4, 0, 6, 7, 8, 9}), 9);
    }

    void aSentenceDroppedWhereBothColumnsReachGoesToFalse_data()
    {
        QTest::addColumn<double>("left");
        QTest::addRow("just right of the False zone's start") << 3278.0;
        QTest::addRow("middle of the overlap") << 4500.0;
        QTest::addRow("just short of the True box's right edge") << 5804.0;
    }
    void aSentenceDroppedWhereBothColumnsReachGoesToFalse()
    {
        QFETCH(double, left);
        TestEnvironment env;
        fightersord &screen = openFromMenu<fighters, fightersord>(OrderingActivity);
        for (int row = 0; row < 5; ++row) {
            Label *sentence = screen.Label2[5 + row]; // true sentences
            const double top = 1800 + 600 * row;
            // The tray lies right under the columns: keep clear of its zones.
            dragLabelTo(sentence, std::min(left, 6315.0), top);
            const QPointF falseBox(6120, top);
            QCOMPARE(cornerOf(sentence), falseBox);
        }
    }
};

VELMORA_TEST(ActivityScreensTest)
#include "activityscreens_test.moc"
