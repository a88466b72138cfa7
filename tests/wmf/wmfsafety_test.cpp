// Metafiles are input from outside: records that claim more than they hold,
// endless nesting, exhausted object tables, absurd sizes. Each case must be
// survived, and the drawing must carry on with the records after it.
#include "testregistry.h"
#include "wmfbuilder.h"

#include <QtTest>

namespace {
const QRgb blue = qRgb(0, 0, 255);

WmfBuilder start()
{
    WmfBuilder b;
    b.placeable(0, 0, 100, 100, 96);
    return b;
}

// The last records of every case: a blue square that must still appear.
// Each case leaves object slots 0 and 1 free for it.
QByteArray finish(WmfBuilder &b)
{
    return b.solidBrush(blue).select(0).nullPen().select(1).rectangle(10, 10, 20, 20).bytes();
}
} // namespace

class WmfSafetyTest : public QObject {
    Q_OBJECT

private slots:
    void hostileRecordsAreSurvived_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        {
            WmfBuilder b = start();
            b.record(0x0324, {30000, 1, 2, 3, 4});
            QTest::addRow("polygon counting more points than it holds") << finish(b);
        }
        {
            WmfBuilder b = start();
            b.record(0x0538, {65535, 65535, 65535, 1, 1});
            QTest::addRow("poly-polygon with absurd counts") << finish(b);
        }
        {
            WmfBuilder b = start();
            for (int i = 0; i < 5000; ++i)
                b.saveDC();
            b.restoreDC(-4000).restoreDC(32767).restoreDC(-32768);
            QTest::addRow("save stack far deeper than kept") << finish(b);
        }
        {
            WmfBuilder b = start();
            for (int i = 0; i < 70000; ++i)
                b.pen(0, 1, 0);
            b.select(65535).deleteObject(65535).deleteObject(0).deleteObject(1);
            QTest::addRow("object table filled to its end") << finish(b);
        }
        {
            WmfBuilder b = start();
            b.font(-32768, 0, "Arial").select(0).textOut(0, 50, "Huge").font(32767, 0, "Arial").select(1);
            b.textOut(0, 50, "Huge").font(-1, 0, "Arial").select(2).textOut(0, 50, "tiny");
            b.deleteObject(0).deleteObject(1).deleteObject(2);
            QTest::addRow("fonts of every extreme size") << finish(b);
        }
        {
            WmfBuilder b = start();
            b.windowExt(0, 0).viewportExt(0, 5).record(0x0410, {0, 1, 0, 1}).record(0x0412, {1, 0, 1, 0});
            b.windowExt(1, 1).windowExt(100, 100);
            QTest::addRow("zero extents and zero scalings are refused") << finish(b);
        }
        {
            QByteArray dib;
            for (uint32_t v : {40u, 65535u, 65535u})
                WmfBuilder::appendDword(dib, v);
            WmfBuilder::appendWord(dib, 1);
            WmfBuilder::appendWord(dib, 8);
            for (uint32_t v : {1u, 0u, 0u, 0u, 0u, 0u})
                WmfBuilder::appendDword(dib, v);
            dib += QByteArray(1024, '\0') + QByteArray::fromHex("ff01ff01ff01");
            WmfBuilder b = start();
            b.stretchDib(dib, 65535, 65535, QRect(0, 0, 100, 100));
            QTest::addRow("run-length bitmap claiming four billion pixels") << finish(b);
        }
        {
            WmfBuilder b = start();
            b.record(0x0A32, {50, 0, 32000, 6, 0, 0, 100, 100});
            QTest::addRow("text longer than its record") << finish(b);
        }
        {
            WmfBuilder b = start();
            b.record(0x06FF, {0, 6, 0, 0, 0, 32767, 0, 0, 0, 0, 0, 65535, 0, 1});
            b.record(0x012C, {0}).record(0x012C, {1}).deleteObject(0);
            QTest::addRow("region with more scans than it holds") << finish(b);
        }
        {
            WmfBuilder b = start();
            b.record(0x0142, {3, 0, 0, 32767, 32767, 4096, 0x0101}).select(0).rectangle(0, 0, 5, 5).deleteObject(0);
            QTest::addRow("pattern brush whose bitmap is missing") << finish(b);
        }
        {
            WmfBuilder b = start();
            b.pen(1, 0, 0).select(0).record(0x0325, {2, -32768, -32768, 32767, 32767}).deleteObject(0);
            b.windowExt(1, 1).record(0x0325, {2, -32768, -32768, 32767, 32767}).windowExt(100, 100);
            QTest::addRow("dashed lines far beyond the picture") << finish(b);
        }
    }
    void hostileRecordsAreSurvived()
    {
        QFETCH(QByteArray, bytes);
        const QImage image = renderMetafile(bytes, QSize(100, 100));
        QVERIFY(!image.isNull());
        QCOMPARE(boxOf(image, blue, 10), QRect(10, 10, 10, 10));
    }
};

VELMORA_TEST(WmfSafetyTest)
#include "wmfsafety_test.moc"
