// The drop-zone arithmetic with plain numbers: every edge of a zone in single
// precision, and a drag kept on the screen. (The order zones are tried in and
// the scoring rules: ActivitiesTest.)
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

    void aLabelWiderThanTheScreenStaysAtTheLeft()
    {
        QVERIFY((followPointer({0, 0, 13000, 375}, 500, 100, 12000, 9000) == TwipsPoint{0, 0}));
    }
};

VELMORA_TEST(DropZoneTest)
#include "dropzone_test.moc"
