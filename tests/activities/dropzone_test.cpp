// The drop-zone arithmetic with plain numbers: every edge of a zone, the
// single-precision bounds, the order in which zones are tried, the counting
// and the two scoring rules, and where a dragged label goes.
#include "activities/dropzone.h"
#include "testregistry.h"

#include <QtTest>

Q_DECLARE_METATYPE(TwipsPoint)
Q_DECLARE_METATYPE(std::vector<int>)
Q_DECLARE_METATYPE(std::vector<TwipsBox>)
Q_DECLARE_METATYPE(std::vector<TwipsPoint>)

namespace {
// The "Plumed Helmet" box of the soldier screen: its zone runs from 8077.5 to
// 11565 across and from 1192.5 to 1755 down.
const TwipsBox kHelmetBox{9240, 1380, 2325, 375};
// Neighbouring letter boxes whose zones overlap from 2602.5 to 3075.
const TwipsBox kAlphaBox{1560, 4680, 1515, 495};
const TwipsBox kBetaBox{3360, 4680, 1515, 495};
} // namespace

class DropZoneTest : public QObject {
    Q_OBJECT
private slots:
    void zoneEdges_data()
    {
        QTest::addColumn<TwipsPoint>("corner");
        QTest::addColumn<bool>("inside");
        QTest::addRow("just inside the top-left corner") << TwipsPoint{9240 - 1162, 1380 - 187} << true;
        QTest::addRow("on the left bound") << TwipsPoint{9240 - 1162.5f, 1380} << false;
        QTest::addRow("on the top bound") << TwipsPoint{9240, 1380 - 187.5f} << false;
        QTest::addRow("on the right edge") << TwipsPoint{11565, 1380} << false;
        QTest::addRow("on the bottom edge") << TwipsPoint{9240, 1755} << false;
        QTest::addRow("just short of the right edge") << TwipsPoint{11564.99f, 1754.99f} << true;
        QTest::addRow("the box's own corner") << TwipsPoint{9240, 1380} << true;
    }
    void zoneEdges()
    {
        QFETCH(TwipsPoint, corner);
        QFETCH(bool, inside);
        QCOMPARE(inDropZone(corner, kHelmetBox), inside);
    }

    void boundsAreRoundedToSinglePrecision()
    {
        // 1e8 - 3 rounds to 1e8 in single precision, so a corner at 1e8 lies on
        // the left bound, although in double precision it would be inside.
        const TwipsBox far{1e8f, 0, 6, 100};
        QVERIFY(!inDropZone({1e8f, 10}, far));
        QVERIFY(double(far.left) - far.width / 2 < 1e8); // the unrounded bound would have let it in
        const TwipsBox farDown{0, 1e8f, 100, 6};
        QVERIFY(!inDropZone({10, 1e8f}, farDown));
    }

    void zonesAreTriedInOrderAndTheLastMatchWins_data()
    {
        QTest::addColumn<std::vector<TwipsBox>>("zones");
        QTest::addColumn<TwipsPoint>("corner");
        QTest::addColumn<std::vector<int>>("snaps");
        QTest::addColumn<TwipsPoint>("end");
        QTest::addRow("no zone: stays where it fell")
            << std::vector<TwipsBox>{kAlphaBox, kBetaBox} << TwipsPoint{100, 100} << std::vector<int>{}
            << TwipsPoint{100, 100};
        QTest::addRow("overlap: the first zone takes it and the second no longer matches")
            << std::vector<TwipsBox>{kAlphaBox, kBetaBox} << TwipsPoint{2700, 4700} << std::vector<int>{0}
            << kAlphaBox.corner();
        QTest::addRow("a snap that lands in the next zone snaps again")
            << std::vector<TwipsBox>{{1000, 1000, 2000, 400}, {1500, 1100, 2000, 400}} << TwipsPoint{900, 1000}
            << std::vector<int>{0, 1} << TwipsPoint{1500, 1100};
        QTest::addRow("a label already on its place snaps there again")
            << std::vector<TwipsBox>{kAlphaBox, kBetaBox} << kBetaBox.corner() << std::vector<int>{1}
            << kBetaBox.corner();
    }
    void zonesAreTriedInOrderAndTheLastMatchWins()
    {
        QFETCH(std::vector<TwipsBox>, zones);
        QFETCH(TwipsPoint, corner);
        QFETCH(std::vector<int>, snaps);
        QFETCH(TwipsPoint, end);
        const DropResult r = dropOnZones(corner, zones);
        QCOMPARE(r.snaps, snaps);
        QCOMPARE(r.corner.left, end.left);
        QCOMPARE(r.corner.top, end.top);
    }

    void countingAndScoring_data()
    {
        using P = TwipsPoint;
        QTest::addColumn<std::vector<TwipsPoint>>("labels");
        QTest::addColumn<std::vector<TwipsPoint>>("boxes");
        QTest::addColumn<int>("inBoxes");
        QTest::addColumn<int>("standard");
        const std::vector<P> boxes{{10, 10}, {20, 20}, {30, 30}};
        QTest::addRow("all in their own boxes") << std::vector<P>{{10, 10}, {20, 20}, {30, 30}} << boxes << 3 << 3;
        QTest::addRow("two swapped") << std::vector<P>{{20, 20}, {10, 10}, {30, 30}} << boxes << 3 << 1;
        QTest::addRow("two stacked in one box both count")
            << std::vector<P>{{10, 10}, {10, 10}, {30, 30}} << boxes << 3 << 2;
        QTest::addRow("one only near its box") << std::vector<P>{{10, 11}, {20, 20}, {30, 30}} << boxes << 2 << 2;
        QTest::addRow("none in a box") << std::vector<P>{{0, 0}, {1, 1}, {2, 2}} << boxes << 0 << 0;
    }
    void countingAndScoring()
    {
        QFETCH(std::vector<TwipsPoint>, labels);
        QFETCH(std::vector<TwipsPoint>, boxes);
        QFETCH(int, inBoxes);
        QFETCH(int, standard);
        QCOMPARE(countLabelsInBoxes(labels, boxes), inBoxes);
        QCOMPARE(standardScore(labels, boxes), standard);
    }

    void groupingRule_data()
    {
        QTest::addColumn<std::vector<int>>("boxOfLabel"); // label i lies in box boxOfLabel[i]
        QTest::addColumn<int>("score");
        QTest::addRow("shuffled within each column") << std::vector<int>{4, 3, 0, 1, 2, 9, 5, 8, 6, 7} << 10;
        QTest::addRow("a true and a false sentence swapped") << std::vector<int>{5, 1, 2, 3, 4, 0, 6, 7, 8, 9} << 8;
        QTest::addRow("all in the wrong column") << std::vector<int>{5, 6, 7, 8, 9, 0, 1, 2, 3, 4} << 0;
        QTest::addRow("all stacked in one false box") << std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0} << 5;
    }
    void groupingRule()
    {
        QFETCH(std::vector<int>, boxOfLabel);
        QFETCH(int, score);
        std::vector<TwipsPoint> boxes;
        for (int i = 0; i < 10; ++i)
            boxes.push_back({i < 5 ? 6120.0f : 120.0f, 1800.0f + 600 * (i % 5)});
        std::vector<TwipsPoint> labels;
        for (int b : boxOfLabel)
            labels.push_back(boxes[size_t(b)]);
        QCOMPARE(groupingScore(labels, boxes), score);
    }

    void aLabelWiderThanTheScreenStaysAtTheLeft()
    {
        const TwipsPoint p = followPointer({0, 0, 13000, 375}, 500, 100, 12000, 9000);
        QCOMPARE(p.left, 0.0f);
        QCOMPARE(p.top, 0.0f);
    }
};

VELMORA_TEST(DropZoneTest)
#include "dropzone_test.moc"
