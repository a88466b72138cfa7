// The drop-zone arithmetic with plain numbers: every edge of a zone in single
// precision, the order zones are tried in, and the sentences' column rule.
#include "activities/dropzone.h"
#include "testregistry.h"

#include <QtTest>

class DropZoneTest : public QObject {
    Q_OBJECT
private slots:
    // The soldier's "Plumed Helmet" box: its zone runs from 8077.5 to 11565
    // across and from 1192.5 to 1755 down, every comparison strict.
    void zoneEdges()
    {
        const TwipsBox helmet{9240, 1380, 2325, 375};
        const QList<std::pair<TwipsPoint, bool>> corners{
            {{9240 - 1162, 1380 - 187}, true}, {{9240 - 1162.5f, 1380}, false}, {{9240, 1380 - 187.5f}, false},
            {{11565, 1380}, false},            {{9240, 1755}, false},           {{11564.99f, 1754.99f}, true}};
        for (const auto &[corner, inside] : corners)
            QVERIFY2(inDropZone(corner, helmet) == inside, qPrintable(QStringLiteral("%1,%2").arg(corner.left).arg(corner.top)));
        // 1e8 - 3 rounds to 1e8 in single precision: a corner at 1e8 lies on the bound.
        QVERIFY(!inDropZone({1e8f, 10}, {1e8f, 0, 6, 100}));
    }

    // Zones are tried in order against the corner as it stands after each
    // snap, so the last match wins and an overlap goes to the first zone.
    void zonesAreTriedInOrder()
    {
        const std::vector<TwipsBox> letters{{1560, 4680, 1515, 495}, {3360, 4680, 1515, 495}};
        QCOMPARE(dropOnZones({100, 100}, letters).snaps, std::vector<int>{});
        const DropResult overlap = dropOnZones({2700, 4700}, letters);
        QVERIFY(overlap.snaps == std::vector<int>{0} && overlap.corner == letters[0].corner());
        const DropResult twice = dropOnZones({900, 1000}, {{1000, 1000, 2000, 400}, {1500, 1100, 2000, 400}});
        QVERIFY((twice.snaps == std::vector<int>{0, 1} && twice.corner == TwipsPoint{1500, 1100}));
    }

    // Any sentence counts in any box of its own column, each box once per label in it.
    void sentencesScoreByColumn()
    {
        std::vector<TwipsPoint> boxes;
        for (int i = 0; i < 10; ++i)
            boxes.push_back({i < 5 ? 6120.0f : 120.0f, 1800.0f + 600 * (i % 5)});
        const QList<std::pair<std::vector<int>, int>> rows{{{4, 3, 0, 1, 2, 9, 5, 8, 6, 7}, 10},
                                                           {{5, 1, 2, 3, 4, 0, 6, 7, 8, 9}, 8},
                                                           {std::vector<int>(10, 0), 5}};
        for (const auto &[boxOfLabel, score] : rows) {
            std::vector<TwipsPoint> labels;
            for (int b : boxOfLabel)
                labels.push_back(boxes[size_t(b)]);
            QCOMPARE(groupingScore(labels, boxes), score);
        }
    }

    void aLabelWiderThanTheScreenStaysAtTheLeft()
    {
        QVERIFY((followPointer({0, 0, 13000, 375}, 500, 100, 12000, 9000) == TwipsPoint{0, 0}));
    }
};

VELMORA_TEST(DropZoneTest)
#include "dropzone_test.moc"
