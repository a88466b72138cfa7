// The arithmetic of the activities, row by row against the rules as a
// teacher reads them: where a released label snaps, where a dragged label
// goes, and how the labels lying in boxes score.
#include "activities/dropzone.h"
#include "testregistry.h"

#include <QtTest>

namespace {
// The soldier's "Plumed Helmet" box: Left 9240, Top 1380, 2325 x 375 twips.
const TwipsBox kHelmet{9240, 1380, 2325, 375};

// Boxes far apart; a label "in" box b lies exactly on its corner, one in the tray (-1) elsewhere.
TwipsPoint boxCorner(int b) { return b < 0 ? TwipsPoint{50, 8000} : TwipsPoint{float(1000 * b), 100}; }
} // namespace

class DropRulesTest : public QObject {
    Q_OBJECT
private slots:
    // A label's top-left corner snaps strictly inside half a box width left
    // of the box to its right edge, and half a box height above it to its
    // bottom edge: on each edge, one pixel in and one pixel out, at every
    // scale the screens are drawn at.
    void theZoneOfABox_data()
    {
        QTest::addColumn<float>("pixel"); // twips
        QTest::addColumn<QString>("edge");
        QTest::addColumn<int>("pixelsIn");
        for (double scale : {0.75, 560.0 / 600, 1.0, 1.5, 1040.0 / 600, 2.0})
            for (const char *edge : {"left", "right", "top", "bottom"})
                for (int in : {-1, 0, 1})
                    QTest::addRow("%s, %d px in, scale %.3f", edge, in, scale) << float(15 / scale) << edge << in;
    }
    void theZoneOfABox()
    {
        QFETCH(float, pixel);
        QFETCH(QString, edge);
        QFETCH(int, pixelsIn);
        const float step = pixel * pixelsIn;
        const QMap<QString, TwipsPoint> corner{{"left", {9240 - 2325 / 2.0f + step, 1500}},
                                               {"right", {9240 + 2325 - step, 1500}},
                                               {"top", {10000, 1380 - 375 / 2.0f + step}},
                                               {"bottom", {10000, 1380 + 375 - step}}};
        QCOMPARE(inDropZone(corner[edge], kHelmet), pixelsIn > 0);
    }

    // The label's middle jumps to the pointer (given from the label's own
    // corner) and follows it; the label never leaves the screen's 12000 x 9000.
    void aDraggedLabelFollowsThePointer_data()
    {
        QTest::addColumn<QPointF>("pointer");
        QTest::addColumn<QPointF>("corner");
        QTest::addRow("at its middle") << QPointF(1162.5, 187.5) << QPointF(1920, 5520);
        QTest::addRow("at its corner") << QPointF(0, 0) << QPointF(757.5, 5332.5);
        QTest::addRow("beyond it") << QPointF(3000, -1000) << QPointF(3757.5, 4332.5);
        QTest::addRow("off the left") << QPointF(-5000, 0) << QPointF(0, 5332.5);
        QTest::addRow("off the bottom right") << QPointF(20000, 20000) << QPointF(12000 - 2325, 9000 - 375);
    }
    void aDraggedLabelFollowsThePointer()
    {
        QFETCH(QPointF, pointer);
        const TwipsPoint to = followPointer({1920, 5520, 2325, 375}, float(pointer.x()), float(pointer.y()), 12000, 9000);
        QTEST(QPointF(to.left, to.top), "corner");
    }

    // Label i belongs in box i; on the sentences (grouping) labels 0-4 count
    // in any of boxes 0-4 and labels 5-9 in any of boxes 5-9. Every label
    // lying in a box counts towards "Check Score", stacked ones too.
    void scoring_data()
    {
        QTest::addColumn<bool>("grouping");
        QTest::addColumn<QList<int>>("boxOfLabel"); // -1: in the tray
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("inBoxes");
        QTest::addRow("letters, all right") << false << QList<int>{0, 1, 2, 3, 4} << 5 << 5;
        QTest::addRow("Alpha and Beta swapped") << false << QList<int>{0, 3, 2, 1, 4} << 3 << 5;
        QTest::addRow("Sparta and Athens swapped") << false << QList<int>{1, 0, 2, 3, 4, 5} << 4 << 6;
        QTest::addRow("two in one box") << false << QList<int>{1, 1, 2, 3, 4} << 4 << 5;
        QTest::addRow("one in the tray") << false << QList<int>{0, 1, 2, 3, -1} << 4 << 4;
        QTest::addRow("sentences, all right") << true << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9} << 10 << 10;
        QTest::addRow("any order in a column") << true << QList<int>{4, 3, 2, 1, 0, 9, 8, 7, 6, 5} << 10 << 10;
        QTest::addRow("a true one in False") << true << QList<int>{0, 1, 2, 3, 4, 0, 6, 7, 8, 9} << 9 << 10;
        QTest::addRow("a false one in True") << true << QList<int>{9, 1, 2, 3, 4, 5, 6, 7, 8, 9} << 9 << 10;
        QTest::addRow("two of a column stacked") << true << QList<int>{0, 0, 2, 3, 4, 5, 6, 7, 8, 8} << 10 << 10;
        QTest::addRow("columns swapped") << true << QList<int>{5, 6, 7, 8, 9, 0, 1, 2, 3, 4} << 0 << 10;
    }
    void scoring()
    {
        QFETCH(bool, grouping);
        QFETCH(QList<int>, boxOfLabel);
        std::vector<TwipsPoint> labels, boxes;
        for (int i = 0; i < boxOfLabel.size(); ++i)
            labels.push_back(boxCorner(boxOfLabel[i])), boxes.push_back(boxCorner(i));
        std::vector<int> groups; // the sentences' two columns, or a box of its own for each label
        for (int i = 0; i < boxOfLabel.size(); ++i)
            groups.push_back(grouping ? i / 5 : i);
        QTEST(groupScore(labels, boxes, groups), "score");
        QTEST(countLabelsInBoxes(labels, boxes), "inBoxes");
    }
};

VELMORA_TEST(DropRulesTest)
#include "droprules_test.moc"
