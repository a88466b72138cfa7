// Bitmap records: DIBs at every depth, run-length coding, mirroring, the
// raster operations icons use for their transparency masks (on a raster
// image and on a device without raster operations), and bitmaps whose
// headers claim more than their record holds.
#include "testregistry.h"
#include "wmfbuilder.h"

#include <QPicture>
#include <QtTest>

namespace {
const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), blue = qRgb(0, 0, 255), yellow = qRgb(255, 255, 0);
const QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);
constexpr uint32_t SRCAND = 0x008800C6, SRCINVERT = 0x00660046, SRCPAINT = 0x00EE0086;

WmfBuilder picture100() { WmfBuilder b; b.placeable(0, 0, 100, 100, 96); return b; }

// The colours at the centres of the four quadrants.
QVector<QRgb> quadrants(const QImage &image)
{
    return {image.pixel(25, 25), image.pixel(75, 25), image.pixel(25, 75), image.pixel(75, 75)};
}

// Plays the metafile through a QPicture, a device with no raster operations
// (as printers are), onto an image.
QImage throughPicture(const QByteArray &bytes, QColor background)
{
    QPicture recording;
    {
        QPainter painter(&recording);
        wmf::Metafile::parse(bytes)->render(painter, QRectF(0, 0, 100, 100));
    }
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.drawPicture(0, 0, recording);
    return image;
}
} // namespace

class WmfBitmapTest : public QObject {
    Q_OBJECT

private slots:
    void everyDepth_data()
    {
        QTest::addColumn<int>("bpp");
        QTest::addColumn<bool>("topDown");
        QTest::addColumn<QVector<QRgb>>("pixels");
        const QVector<QRgb> four{red, green, blue, yellow};
        QTest::addRow("1 bit") << 1 << false << QVector<QRgb>{red, white, white, red};
        QTest::addRow("4 bits") << 4 << false << four;
        QTest::addRow("8 bits") << 8 << false << four;
        QTest::addRow("24 bits") << 24 << false << four;
        QTest::addRow("32 bits") << 32 << false << four;
        QTest::addRow("24 bits top-down") << 24 << true << four;
    }
    void everyDepth()
    {
        QFETCH(int, bpp);
        QFETCH(bool, topDown);
        QFETCH(QVector<QRgb>, pixels);
        const QByteArray dib = makeDib(bpp, 2, 2, pixels, topDown);
        WmfBuilder stretch = picture100();
        stretch.stretchDib(dib, 2, 2, QRect(0, 0, 100, 100));
        QCOMPARE(quadrants(renderMetafile(stretch.bytes(), QSize(100, 100))), pixels);
        WmfBuilder blt = picture100();
        blt.dibStretchBlt(dib, 2, 2, QRect(0, 0, 100, 100), 0x00CC0020);
        QCOMPARE(quadrants(renderMetafile(blt.bytes(), QSize(100, 100))), pixels);
    }

    void runLengthCoded()
    {
        // 2 x 2 at 8 bits, RLE8: bottom row 2 and 3, top row 0 and 1.
        QByteArray dib;
        for (uint32_t v : {40u, 2u, 2u})
            WmfBuilder::appendDword(dib, v);
        WmfBuilder::appendWord(dib, 1);
        WmfBuilder::appendWord(dib, 8);
        for (uint32_t v : {1u, 0u, 0u, 0u, 4u, 0u})
            WmfBuilder::appendDword(dib, v);
        for (QRgb c : {red, green, blue, yellow})
            dib.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
        dib += QByteArray::fromHex("01020103" "0000" "01000101" "0001");
        WmfBuilder b = picture100();
        b.stretchDib(dib, 2, 2, QRect(0, 0, 100, 100));
        QCOMPARE(quadrants(renderMetafile(b.bytes(), QSize(100, 100))), (QVector<QRgb>{red, green, blue, yellow}));
    }

    void negativeDestinationMirrors()
    {
        WmfBuilder b = picture100();
        b.stretchDib(makeDib(24, 2, 1, {red, blue}), 2, 1, QRect(100, 0, -100, 100));
        const QImage image = renderMetafile(b.bytes(), QSize(100, 100));
        QCOMPARE(image.pixel(25, 50), blue);
        QCOMPARE(image.pixel(75, 50), red);
    }

    void iconMaskAndImage_data()
    {
        QTest::addColumn<uint32_t>("imageRop");
        QTest::addColumn<bool>("raster");
        QTest::addRow("AND then XOR, raster") << SRCINVERT << true;
        QTest::addRow("AND then XOR, no raster operations") << SRCINVERT << false;
        QTest::addRow("AND then OR, raster") << SRCPAINT << true;
        QTest::addRow("AND then OR, no raster operations") << SRCPAINT << false;
    }
    void iconMaskAndImage()
    {
        QFETCH(uint32_t, imageRop);
        QFETCH(bool, raster);
        // Left half transparent (mask white, image black), right half red.
        const QByteArray mask = makeDib(1, 2, 1, {white, black});
        const QByteArray colour = makeDib(24, 2, 1, {black, red});
        WmfBuilder b = picture100();
        b.dibStretchBlt(mask, 2, 1, QRect(0, 0, 100, 100), SRCAND);
        b.dibStretchBlt(colour, 2, 1, QRect(0, 0, 100, 100), imageRop);
        const QImage image = raster ? renderMetafile(b.bytes(), QSize(100, 100), QColor(green))
                                    : throughPicture(b.bytes(), QColor(green));
        QCOMPARE(image.pixel(25, 50), green);
        QCOMPARE(image.pixel(75, 50), red);
    }

    void loneMaskKeepsWhiteTransparent()
    {
        WmfBuilder b = picture100();
        b.dibStretchBlt(makeDib(1, 2, 1, {white, black}), 2, 1, QRect(0, 0, 100, 100), SRCAND);
        for (const QImage &image : {renderMetafile(b.bytes(), QSize(100, 100), QColor(green)), throughPicture(b.bytes(), QColor(green))}) {
            QCOMPARE(image.pixel(25, 50), green);
            QCOMPARE(image.pixel(75, 50), black);
        }
    }

    void patternFillWithoutBitmap()
    {
        WmfBuilder b = picture100();
        b.solidBrush(blue).select(0).record(0x061D, {0x0021, 0x00F0, 50, 50, 25, 25}); // PATBLT PATCOPY
        QCOMPARE(boxOf(renderMetafile(b.bytes(), QSize(100, 100)), blue), QRect(25, 25, 50, 50));
    }

    void headersThatClaimTooMuchAreRefused_data()
    {
        QTest::addColumn<QByteArray>("dib");
        QByteArray huge = makeDib(24, 2, 2, {red, red, red, red});
        huge.replace(4, 8, QByteArray::fromHex("30750000" "30750000")); // 30000 x 30000
        QTest::addRow("dimensions beyond the bits") << huge;
        QByteArray negative = huge;
        negative.replace(4, 4, QByteArray::fromHex("ffffffff"));
        QTest::addRow("negative width") << negative;
        QByteArray palette = makeDib(8, 2, 2, {red, red, red, red});
        palette.replace(32, 4, QByteArray::fromHex("ffffff7f")); // colours used
        QTest::addRow("colour table beyond the record") << palette;
        QByteArray depth = makeDib(24, 2, 2, {red, red, red, red});
        depth.replace(14, 2, QByteArray::fromHex("0700"));
        QTest::addRow("impossible depth") << depth;
        QTest::addRow("cut short") << makeDib(24, 2, 2, {red, red, red, red}).left(45);
    }
    void headersThatClaimTooMuchAreRefused()
    {
        QFETCH(QByteArray, dib);
        WmfBuilder b = picture100();
        b.stretchDib(dib, 2, 2, QRect(0, 0, 100, 100)).solidBrush(blue).select(0).rectangle(0, 0, 10, 10);
        const QImage image = renderMetafile(b.bytes(), QSize(100, 100));
        QVERIFY(!boxOf(image, red).isValid());
        QVERIFY(boxOf(image, blue).isValid()); // the drawing carries on after the bad bitmap
    }
};

VELMORA_TEST(WmfBitmapTest)
#include "wmfbitmap_test.moc"
