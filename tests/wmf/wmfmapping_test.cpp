// Where a metafile's drawing lands: the picture's own size from the
// placeable header, the window, or the drawing's bounds; flipped extents;
// the map modes; and files that break off part-way.
#include "testregistry.h"
#include "wmf/mapping.h"
#include "wmfbuilder.h"

#include <QtTest>

namespace {
const QRgb red = qRgb(255, 0, 0);

// A red rectangle with no outline at the given logical coordinates.
WmfBuilder &redBox(WmfBuilder &b, int left, int top, int right, int bottom)
{
    return b.solidBrush(red).select(0).nullPen().select(1).rectangle(left, top, right, bottom);
}
} // namespace

class WmfMappingTest : public QObject {
    Q_OBJECT

private slots:
    void pictureSizeComesFromTheFrame_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSizeF>("twips");

        WmfBuilder placeable;
        placeable.placeable(0, 0, 2000, 1000, 1000).windowExt(50, 50);
        redBox(placeable, 0, 0, 10, 10);
        QTest::addRow("placeable: box and units per inch win over the window") << placeable.bytes() << QSizeF(2880, 1440);

        WmfBuilder wrapped;
        wrapped.placeable(0, 0, 19456, -26688, 2304);
        redBox(wrapped, 0, 0, 10, 10);
        QTest::addRow("placeable box beyond 32767 units reads unsigned") << wrapped.bytes() << QSizeF(12160, 24280);

        WmfBuilder window;
        window.mapMode(8).windowOrg(100, 100).windowExt(400, 300);
        redBox(window, 100, 100, 200, 200);
        QTest::addRow("no placeable header: the window, a unit per pixel") << window.bytes() << QSizeF(6000, 4500);

        WmfBuilder lastWindow;
        lastWindow.windowExt(1, 1).windowExt(200, 100);
        redBox(lastWindow, 0, 0, 10, 10);
        QTest::addRow("the window in force at the first drawing") << lastWindow.bytes() << QSizeF(3000, 1500);

        WmfBuilder flipped;
        flipped.windowOrg(0, 100).windowExt(200, -100);
        redBox(flipped, 0, 0, 10, 10);
        QTest::addRow("negative extent still gives a positive size") << flipped.bytes() << QSizeF(3000, 1500);

        WmfBuilder bounds;
        redBox(bounds, 10, 20, 110, 70);
        QTest::addRow("neither: the bounds of what it draws") << bounds.bytes() << QSizeF(1500, 750);

        WmfBuilder huge;
        huge.windowExt(8192, 4096);
        redBox(huge, 0, 0, 10, 10);
        QTest::addRow("an unsized picture is at most 2048 pixels") << huge.bytes() << QSizeF(2048 * 15, 1024 * 15);
    }
    void pictureSizeComesFromTheFrame()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSizeF, twips);
        const std::optional<wmf::Metafile> metafile = wmf::Metafile::parse(bytes);
        QVERIFY(metafile);
        QCOMPARE(metafile->sizeTwips(), twips);
    }

    void windowMapsOntoTheTarget_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QRect>("expected"); // in a 100 x 100 image

        WmfBuilder placeable;
        placeable.placeable(0, 0, 1000, 1000, 1440);
        redBox(placeable, 250, 500, 750, 1000);
        QTest::addRow("placeable, no window records: the box is the window") << placeable.bytes() << QRect(25, 50, 50, 50);

        WmfBuilder ownWindow;
        ownWindow.placeable(0, 0, 1000, 1000, 1440).windowOrg(-50, -50).windowExt(100, 100);
        redBox(ownWindow, -50, -50, 0, 0);
        QTest::addRow("placeable with its own window") << ownWindow.bytes() << QRect(0, 0, 50, 50);

        WmfBuilder flippedY;
        flippedY.placeable(0, 0, 100, 100, 96).windowOrg(0, 100).windowExt(100, -100);
        redBox(flippedY, 0, 0, 100, 20);
        QTest::addRow("negative y extent flips: logical bottom is on top") << flippedY.bytes() << QRect(0, 80, 100, 20);

        WmfBuilder flippedX;
        flippedX.windowOrg(100, 0).windowExt(-100, 100);
        redBox(flippedX, 0, 0, 30, 100);
        QTest::addRow("negative x extent mirrors") << flippedX.bytes() << QRect(70, 0, 30, 100);

        WmfBuilder viewport;
        viewport.placeable(0, 0, 100, 100, 96).mapMode(8).windowExt(10, 10).viewportOrg(50, 0).viewportExt(50, 100);
        redBox(viewport, 0, 0, 10, 5);
        QTest::addRow("a file's own viewport") << viewport.bytes() << QRect(50, 0, 50, 50);

        WmfBuilder isotropic;
        isotropic.placeable(0, 0, 100, 100, 96).mapMode(7).windowExt(200, 100).viewportExt(100, 100);
        redBox(isotropic, 0, 0, 200, 100);
        QTest::addRow("isotropic keeps units square") << isotropic.bytes() << QRect(0, 0, 100, 50);

        // One twip per logical unit, y upwards, on a picture an inch square.
        WmfBuilder twips;
        twips.placeable(0, 0, 96, 96, 96).mapMode(6).windowOrg(0, 1440);
        redBox(twips, 0, 1440, 720, 720);
        QTest::addRow("MM_TWIPS: fixed units, y up") << twips.bytes() << QRect(0, 0, 50, 50);

        WmfBuilder himetric;
        himetric.placeable(0, 0, 96, 96, 96).mapMode(3).windowOrg(0, 2540);
        redBox(himetric, 1270, 1270, 2540, 0);
        QTest::addRow("MM_HIMETRIC: hundredths of a millimetre, y up") << himetric.bytes() << QRect(50, 50, 50, 50);
    }
    void windowMapsOntoTheTarget()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QRect, expected);
        const QImage image = renderMetafile(bytes, QSize(100, 100));
        QVERIFY(!image.isNull());
        const QRect box = boxOf(image, red);
        QVERIFY2(qAbs(box.left() - expected.left()) <= 1 && qAbs(box.top() - expected.top()) <= 1 &&
                     qAbs(box.right() - expected.right()) <= 1 && qAbs(box.bottom() - expected.bottom()) <= 1,
                 qPrintable(QStringLiteral("red box at %1,%2 %3x%4")
                                .arg(box.x()).arg(box.y()).arg(box.width()).arg(box.height())));
    }

    void mappingArithmetic_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QPointF>("logical");
        QTest::addColumn<QPointF>("device");
        QTest::addRow("anisotropic") << 8 << QPointF(30, 40) << QPointF(40, 7.5);
        QTest::addRow("isotropic takes the smaller scale") << 7 << QPointF(30, 40) << QPointF(5, 7.5);
        QTest::addRow("text: one unit per device unit") << 1 << QPointF(30, 40) << QPointF(20, 30);
        QTest::addRow("low metric: fixed size, y grows upwards") << 2 << QPointF(20, 30) << QPointF(10, -20);
    }
    void mappingArithmetic()
    {
        QFETCH(int, mode);
        QFETCH(QPointF, logical);
        QFETCH(QPointF, device);
        wmf::Mapping m;
        m.mode = mode;
        m.windowOrg = {10, 10};
        m.windowExt = {100, 400};
        m.viewportExt = {200, 100};
        const QPointF got = wmf::logicalToDevice(m, 1440.0 / 254.0).map(logical);
        QCOMPARE(got, device);
    }

    void recordsThatDoNotFitEndTheDrawing()
    {
        WmfBuilder b;
        b.placeable(0, 0, 100, 100, 96);
        redBox(b, 0, 0, 50, 50).overrunningRecord(0x041B, 0x7FFFFFFF);
        const QImage image = renderMetafile(b.bytes(), QSize(100, 100));
        QVERIFY(!image.isNull());
        QCOMPARE(boxOf(image, red), QRect(0, 0, 50, 50));
    }

    void notAMetafile()
    {
        QString error;
        QVERIFY(!wmf::Metafile::parse(QByteArray("GIF89a not a metafile at all"), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!wmf::Metafile::parse(QByteArray(), &error));
        QVERIFY(!wmf::Metafile::parse(QByteArray::fromHex("d7cdc69a0000"), &error)); // placeable key only
    }
};

VELMORA_TEST(WmfMappingTest)
#include "wmfmapping_test.moc"
