// The four activity screens, each opened from its topic menu as a pupil
// opens it: what they show, their answer keys and their scoring.
#include "activities/dragdriver.h"
#include "activities/fighterslab.h"
#include "activities/fightersord.h"
#include "activities/writinglab.h"
#include "activities/writingord.h"
#include "quiz/welldone.h"
#include "shell/topicmenu.h"
#include "common/module1.h"
#include "support/testenv.h"
#include "testregistry.h"

#include <QFontMetrics>
#include <QtTest>

namespace {
enum MenuButton { LabellingActivity = 1, OrderingActivity = 3 };

// Opens the topic menu of unit "fighters" or "writing", then the activity
// from it; null when no activity came up.
DragActivity *openFromMenu(const QString &unit, int button)
{
    Module1.soundOn = 1;
    TopicMenu *menu = unit == "fighters" ? static_cast<TopicMenu *>(&touch<fighters>())
                                         : static_cast<TopicMenu *>(&touch<writing>());
    menu->showScreen();
    clickOn(menu->label3[button]);
    return qobject_cast<DragActivity *>(screens::topmost());
}

template <class Activity>
Activity &openFromMenu(const QString &unit, int button)
{
    openFromMenu(unit, button);
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

Q_DECLARE_METATYPE(std::vector<int>)

class ActivityScreensTest : public QObject {
    Q_OBJECT
private slots:
    void soldierScreenLinesLeadToTheirBoxes()
    {
        TestEnvironment env;
        fighterslab &screen = openFromMenu<fighterslab>("fighters", LabellingActivity);
        QCOMPARE(screen.Image1->picturePath(), QStringLiteral("Images\\SOLDIER.jpg"));
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
    }

    void greekWordsStandBesideTheirBoxes()
    {
        TestEnvironment env;
        writinglab &screen = openFromMenu<writinglab>("writing", LabellingActivity);
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
    }

    void greekLettersHaveTheirGlyphs()
    {
        TestEnvironment env;
        writingord &screen = openFromMenu<writingord>("writing", OrderingActivity);
        QString capitals, smalls;
        for (int i = 0; i < 5; ++i) {
            smalls += screen.Label5[i]->displayedText();
            capitals += screen.Label5[i + 5]->displayedText();
            QVERIFY(fontHasEveryGlyph(screen.Label5[i]) && fontHasEveryGlyph(screen.Label5[i + 5]));
        }
        QCOMPARE(capitals, QStringLiteral("ΑΒΓΔΕ"));
        QCOMPARE(smalls, QStringLiteral("αβγδε"));
    }

    // Each topic menu opens its activities under its own title; label i is
    // dropped into box boxOfLabel[i] and "Check Score" scores it (the
    // sentences by column).
    void eachActivityOpensAndScoresItsAnswerKey_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<int>("button");
        QTest::addColumn<std::vector<int>>("boxOfLabel");
        QTest::addColumn<int>("score");
        QTest::addRow("soldier") << "fighters" << int(LabellingActivity) << std::vector<int>{0, 1, 2, 3, 4} << 5;
        QTest::addRow("soldier, two parts swapped") << "fighters" << int(LabellingActivity)
                                                    << std::vector<int>{1, 0, 2, 3, 4} << 3;
        QTest::addRow("Greek words") << "writing" << int(LabellingActivity) << std::vector<int>{0, 1, 2, 3, 4, 5} << 6;
        QTest::addRow("Sparta and Athens swapped") << "writing" << int(LabellingActivity)
                                                   << std::vector<int>{1, 0, 2, 3, 4, 5} << 4;
        QTest::addRow("Greek letters") << "writing" << int(OrderingActivity) << std::vector<int>{0, 1, 2, 3, 4} << 5;
        QTest::addRow("Alpha and Beta swapped") << "writing" << int(OrderingActivity)
                                                << std::vector<int>{0, 3, 2, 1, 4} << 3;
        QTest::addRow("sentences in any order within a column")
            << "fighters" << int(OrderingActivity) << std::vector<int>{4, 3, 0, 1, 2, 9, 5, 8, 6, 7} << 10;
        // Sentence 5 (true) takes false box 0; false sentence 0 shares box 1.
        QTest::addRow("one true sentence in the false column")
            << "fighters" << int(OrderingActivity) << std::vector<int>{1, 1, 2, 3, 4, 0, 6, 7, 8, 9} << 9;
    }
    void eachActivityOpensAndScoresItsAnswerKey()
    {
        QFETCH(QString, unit);
        QFETCH(int, button);
        QFETCH(std::vector<int>, boxOfLabel);
        QFETCH(int, score);
        TestEnvironment env;
        DragActivity *screen = openFromMenu(unit, button);
        QVERIFY(screen);
        QCOMPARE(screen->Label6->caption(), unit == "fighters" ? QStringLiteral("Greek Fighters") : QStringLiteral("Greek Writing"));
        QCOMPARE(screen->count(), int(boxOfLabel.size()));
        QCOMPARE(Module1.questionCount, screen->count());
        QCOMPARE(screen->clientSizeTwips(), QSizeF(12000, 9000));
        QCOMPARE(env.sound->playedWithTop, QStringList{"wav\\click.wav@" + screen->screenName()});
        QCOMPARE(scoreWith(*screen, boxOfLabel), score);
        QCOMPARE(topScreenName(), QStringLiteral("Welldone"));
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
        fightersord &screen = openFromMenu<fightersord>("fighters", OrderingActivity);
        QCOMPARE(screen.Label5[0]->caption(), QStringLiteral("True"));
        QCOMPARE(screen.Label5[2]->caption(), QStringLiteral("False"));
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
