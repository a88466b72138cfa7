// Shapes as GDI draws them: arcs counter-clockwise from the start radial,
// fill modes, inside-frame pens, hatches, and the binary raster operations.
#include "testregistry.h"
#include "wmfbuilder.h"

#include <QtTest>

namespace {
const QRgb red = qRgb(255, 0, 0), white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);

// A 100 x 100 pixel picture; objects 0 and 1 are a red brush and no pen.
WmfBuilder redFill()
{
    WmfBuilder b;
    b.placeable(0, 0, 100, 100, 96).solidBrush(red).select(0).nullPen().select(1);
    return b;
}

QImage draw(const WmfBuilder &b) { return renderMetafile(b.bytes(), QSize(100, 100)); }
} // namespace

class WmfShapesTest : public QObject {
    Q_OBJECT

private slots:
    void pieRunsCounterClockwiseFromStartToEnd()
    {
        // From the radial through (100, 50) (3 o'clock) to the one through (50, 0) (12 o'clock).
        WmfBuilder quarter = redFill();
        quarter.record(0x081A, {0, 50, 50, 100, 100, 100, 0, 0});
        const QImage q = draw(quarter);
        QCOMPARE(q.pixel(75, 25), red);
        QCOMPARE(q.pixel(25, 25), white);
        QCOMPARE(q.pixel(25, 75), white);
        QCOMPARE(q.pixel(75, 75), white);

        // Swapping the ends gives the other three quarters.
        WmfBuilder rest = redFill();
        rest.record(0x081A, {50, 100, 0, 50, 100, 100, 0, 0});
        const QImage r = draw(rest);
        QCOMPARE(r.pixel(75, 25), white);
        QCOMPARE(r.pixel(25, 25), red);
        QCOMPARE(r.pixel(75, 75), red);
    }

    void chordClosesWithAStraightLine()
    {
        WmfBuilder b = redFill();
        b.record(0x0830, {0, 50, 50, 100, 100, 100, 0, 0});
        const QImage image = draw(b);
        QCOMPARE(image.pixel(80, 20), red);   // between the arc and the chord
        QCOMPARE(image.pixel(60, 40), white); // on the centre's side of the chord
    }

    void fillModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QRgb>("centre");
        QTest::addRow("alternate leaves the star's middle empty") << 1 << white;
        QTest::addRow("winding fills it") << 2 << red;
    }
    void fillModes()
    {
        QFETCH(int, mode);
        QFETCH(QRgb, centre);
        WmfBuilder b = redFill();
        b.record(0x0106, {mode});
        // A five-pointed star drawn in one stroke.
        b.record(0x0324, {5, 50, 0, 79, 90, 2, 35, 98, 35, 21, 90});
        const QImage image = draw(b);
        QCOMPARE(image.pixel(50, 50), centre);
        QCOMPARE(image.pixel(50, 10), red);
    }

    void insideFramePenStaysInsideTheBox()
    {
        WmfBuilder inside = redFill();
        inside.pen(6, 10, black).select(2).rectangle(20, 20, 80, 80);
        QCOMPARE(boxOf(draw(inside), black), QRect(20, 20, 60, 60));
        WmfBuilder centred = redFill();
        centred.pen(0, 10, black).select(2).rectangle(20, 20, 80, 80);
        QCOMPARE(boxOf(draw(centred), black), QRect(15, 15, 70, 70));
    }

    void hatchedBrushLeavesGaps()
    {
        WmfBuilder b;
        b.placeable(0, 0, 100, 100, 96).bkMode(1).brush(2, red, 0).select(0).nullPen().select(1).rectangle(0, 0, 100, 100);
        const QImage image = draw(b);
        int redRows = 0;
        for (int y = 0; y < 100; ++y)
            redRows += image.pixel(50, y) == red;
        QVERIFY(redRows >= 10 && redRows <= 15); // one row in eight
        QCOMPARE(image.pixel(50, 0), white);
    }

    void binaryRasterOperations()
    {
        WmfBuilder nop = redFill();
        nop.record(0x0104, {11}).rectangle(0, 0, 100, 100);
        QCOMPARE(draw(nop).pixel(50, 50), white);

        WmfBuilder twice = redFill();
        twice.rectangle(0, 0, 50, 100).record(0x0104, {7}).rectangle(0, 0, 100, 100).rectangle(0, 0, 100, 100);
        const QImage image = draw(twice);
        QCOMPARE(image.pixel(25, 50), red); // XOR twice gives back what was there
        QCOMPARE(image.pixel(75, 50), white);

        WmfBuilder black2 = redFill();
        black2.record(0x0104, {1}).rectangle(0, 0, 100, 100);
        QCOMPARE(draw(black2).pixel(50, 50), black);
    }
};

VELMORA_TEST(WmfShapesTest)
#include "wmfshapes_test.moc"
