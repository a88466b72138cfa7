// Clipping: rectangles intersected and excluded, regions selected and
// removed, and the clip saved and restored with the device context.
#include "testregistry.h"
#include "wmfbuilder.h"

#include <QtTest>

namespace {
const QRgb red = qRgb(255, 0, 0);
const QRgb white = qRgb(255, 255, 255);

// A 100 x 100 pixel picture; objects 0 and 1 are a red brush and no pen.
WmfBuilder clipPicture()
{
    WmfBuilder b;
    b.placeable(0, 0, 100, 100, 96).solidBrush(red).select(0).nullPen().select(1);
    return b;
}

QImage draw(const WmfBuilder &b) { return renderMetafile(b.bytes(), QSize(100, 100)); }
} // namespace

class WmfClipTest : public QObject {
    Q_OBJECT

private slots:
    void intersectLimitsDrawing()
    {
        WmfBuilder b = clipPicture();
        b.intersectClip(20, 30, 60, 70).rectangle(0, 0, 100, 100);
        QCOMPARE(boxOf(draw(b), red), QRect(20, 30, 40, 40));
    }

    void intersectionsAccumulate()
    {
        WmfBuilder b = clipPicture();
        b.intersectClip(20, 20, 60, 60).intersectClip(40, 0, 100, 100).rectangle(0, 0, 100, 100);
        QCOMPARE(boxOf(draw(b), red), QRect(40, 20, 20, 40));
    }

    void disjointIntersectionDrawsNothing()
    {
        WmfBuilder b = clipPicture();
        b.intersectClip(0, 0, 10, 10).intersectClip(50, 50, 60, 60).rectangle(0, 0, 100, 100);
        QVERIFY(!boxOf(draw(b), red).isValid());
    }

    void excludeCutsAHole()
    {
        WmfBuilder b = clipPicture();
        b.excludeClip(40, 40, 60, 60).rectangle(0, 0, 100, 100);
        const QImage image = draw(b);
        QCOMPARE(image.pixel(50, 50), white);
        QCOMPARE(image.pixel(10, 10), red);
        QCOMPARE(image.pixel(70, 50), red);
    }

    void restoreBringsBackTheOldClip()
    {
        WmfBuilder b = clipPicture();
        b.intersectClip(0, 0, 50, 100).saveDC().intersectClip(0, 0, 10, 10).restoreDC().rectangle(0, 0, 100, 100);
        QCOMPARE(boxOf(draw(b), red), QRect(0, 0, 50, 100));
    }

    void regionClipAndItsRemoval()
    {
        WmfBuilder b = clipPicture();
        b.region({QRect(10, 10, 20, 20), QRect(60, 60, 20, 20)}); // object 2
        b.record(0x012C, {2}).rectangle(0, 0, 100, 100);
        const QImage clipped = draw(b);
        QCOMPARE(clipped.pixel(20, 20), red);
        QCOMPARE(clipped.pixel(70, 70), red);
        QCOMPARE(clipped.pixel(45, 45), white);

        // Selecting something that is not a region (writers use 0) removes the clip.
        b.record(0x012C, {0}).rectangle(40, 40, 50, 50);
        QCOMPARE(draw(b).pixel(45, 45), red);
    }

    void clipStaysPutWhenTheMappingChanges()
    {
        WmfBuilder b = clipPicture();
        b.intersectClip(0, 0, 50, 50).windowOrg(-50, -50).rectangle(-50, -50, 50, 50);
        QCOMPARE(boxOf(draw(b), red), QRect(0, 0, 50, 50));
    }

    void nothingSpillsOutsideTheTarget()
    {
        WmfBuilder b = clipPicture();
        b.rectangle(-500, -500, 500, 500);
        QImage image(200, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        wmf::Metafile::parse(b.bytes())->render(painter, QRectF(50, 50, 100, 100));
        painter.end();
        QCOMPARE(boxOf(image, red), QRect(50, 50, 100, 100));
    }
};

VELMORA_TEST(WmfClipTest)
#include "wmfclip_test.moc"
