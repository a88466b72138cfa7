// The soldier-labelling screen draws five yellow leader lines from its boxes
// to "Images\SOLDIER.jpg". Each line's picture-side end must lie on the part
// its box names, in the picture as shipped: the colour under every end is
// the paint of that part and stands out from the landscape behind it.
// (content-src/pictures/check-soldier-parts.sh checks the same ends against
// a flat map of the parts rendered from the drawing.)
#include "testregistry.h"

#include <QImage>
#include <QtTest>
#include <cmath>

namespace {

// Where the picture box stands on the screen, in twips, and the pixel size.
constexpr int pictureLeft = 4800;
constexpr int pictureTop = -120;
constexpr int twipsPerPixel = 15;

QString soldierFile()
{
    return QStringLiteral(VELMORA_SOURCE_DIR "/content/images/SOLDIER.jpg");
}

// Mean colour of the 5 x 5 pixels around (x, y), which evens out JPEG noise.
QColor meanAround(const QImage &image, int x, int y)
{
    int r = 0, g = 0, b = 0, n = 0;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const QColor c = image.pixelColor(x + dx, y + dy);
            r += c.red();
            g += c.green();
            b += c.blue();
            ++n;
        }
    return QColor(r / n, g / n, b / n);
}

double distance(const QColor &a, const QColor &b)
{
    return std::hypot(std::hypot(a.red() - b.red(), a.green() - b.green()), a.blue() - b.blue());
}

} // namespace

class SoldierParts : public QObject {
    Q_OBJECT
private slots:
    void leaderLineEndsOnItsPart_data()
    {
        QTest::addColumn<int>("endX"); // the line's picture-side end, twips
        QTest::addColumn<int>("endY");
        QTest::addColumn<QColor>("paint"); // the part's paint at that place
        // Line1(3) to "Greaves": bronze greave on the shin.
        QTest::newRow("greaves") << 7800 << 6360 << QColor(225, 176, 91);
        // Line1(2) to "Bronze Breastplate": the cuirass's upper chest.
        QTest::newRow("breastplate") << 7320 << 3000 << QColor(204, 145, 61);
        // Line1(0) to "Spear or pike": the iron blade.
        QTest::newRow("spear") << 5640 << 1320 << QColor(181, 191, 199);
        // Line1(1) to "Round Shield": the bronze face beside the lambda.
        QTest::newRow("shield") << 6120 << 3240 << QColor(233, 189, 98);
        // Line1(4) to "Plumed Helmet": the red horsehair crest.
        QTest::newRow("plume") << 7680 << 1560 << QColor(178, 33, 43);
    }

    void leaderLineEndsOnItsPart()
    {
        QFETCH(int, endX);
        QFETCH(int, endY);
        QFETCH(QColor, paint);
        const QImage image(soldierFile());
        QVERIFY(!image.isNull());
        const int x = (endX - pictureLeft) / twipsPerPixel;
        const int y = (endY - pictureTop) / twipsPerPixel;
        QVERIFY(QRect(2, 2, image.width() - 4, image.height() - 4).contains(x, y));

        const QColor seen = meanAround(image, x, y);
        QVERIFY2(distance(seen, paint) < 30,
                 qPrintable(QStringLiteral("pixel (%1, %2) shows %3, the part is painted %4")
                                .arg(x).arg(y).arg(seen.name(), paint.name())));
        // And it stands out from the landscape at the picture's edges on the
        // same row, which the line crosses on its way to the box.
        for (int edgeX : {3, image.width() - 4}) {
            const QColor background = meanAround(image, edgeX, y);
            QVERIFY2(distance(seen, background) > 60,
                     qPrintable(QStringLiteral("part %1 too close to background %2")
                                    .arg(seen.name(), background.name())));
        }
    }
};

VELMORA_TEST(SoldierParts)
#include "soldierparts.moc"
