// Text in metafiles: bytes decoded by the font's character set, Symbol
// letters as Greek, and placement by alignment, spacing array, escapement
// and flipped mappings.
#include "testregistry.h"
#include "toolkit/fonts.h"
#include "wmf/textcodec.h"
#include "wmfbuilder.h"

#include <QtTest>

namespace {
const QRgb black = qRgb(0, 0, 0);

// A 200 x 100 pixel picture (one unit per pixel) with one text record.
WmfBuilder textPicture(int align, int height = -20, int escapement = 0)
{
    WmfBuilder b;
    b.placeable(0, 0, 200, 100, 96).font(height, 0, "Arial", 400, escapement).select(0).textAlign(align).bkMode(1);
    return b;
}

QRect inkOf(const WmfBuilder &b) { return boxOf(renderMetafile(b.bytes(), QSize(200, 100)), black, 100); }
} // namespace

class WmfTextTest : public QObject {
    Q_OBJECT

private slots:
    void decodesByCharacterSet_data()
    {
        QTest::addColumn<int>("charset");
        QTest::addColumn<bool>("symbol");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addRow("ANSI is Windows-1252") << 0 << false << QByteArray("\x80 caf\xe9") << QStringLiteral("€ café");
        QTest::addRow("DEFAULT as ANSI") << 1 << false << QByteArray("\x93q\x94") << QStringLiteral("“q”");
        QTest::addRow("GREEK is Windows-1253") << 161 << false << QByteArray("\xe1\xe2\xe3") << QStringLiteral("αβγ");
        QTest::addRow("RUSSIAN is Windows-1251") << 204 << false << QByteArray("\xc0\xe1") << QStringLiteral("Аб");
        QTest::addRow("EASTEUROPE is Windows-1250") << 238 << false << QByteArray("\x8a\xe8") << QStringLiteral("Šč");
        QTest::addRow("TURKISH is Windows-1254") << 162 << false << QByteArray("\xfd") << QStringLiteral("ı");
        QTest::addRow("HEBREW is Windows-1255") << 177 << false << QByteArray("\xe0") << QStringLiteral("א");
        QTest::addRow("SHIFTJIS is code page 932") << 128 << false << QByteArray("A\x93\xfa\x96\x7b") << QStringLiteral("A日本");
        QTest::addRow("GB2312 is code page 936") << 134 << false << QByteArray("\xd6\xd0") << QStringLiteral("中");
        QTest::addRow("CHINESEBIG5 is code page 950") << 136 << false << QByteArray("\xa4\xa4") << QStringLiteral("中");
        QTest::addRow("HANGUL is code page 949") << 129 << false << QByteArray("\xc7\xd1") << QStringLiteral("한");
        QTest::addRow("Symbol letters are Greek") << 2 << true << QByteArray("abgpW") << QStringLiteral("αβγπΩ");
        QTest::addRow("Symbol signs") << 2 << true << QByteArray("\xa3\xb1\xb4\xd6\xa5") << QStringLiteral("≤±×√∞");
        QTest::addRow("Symbol face whatever its character set") << 1 << true << QByteArray("p") << QStringLiteral("π");
    }
    void decodesByCharacterSet()
    {
        QFETCH(int, charset);
        QFETCH(bool, symbol);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        const wmf::DecodedText decoded =
            wmf::decodeText(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()), charset, symbol);
        QCOMPARE(decoded.text, text);
        size_t total = 0;
        for (uint8_t n : decoded.bytesPerUnit)
            total += n;
        QCOMPARE(total, size_t(bytes.size()));
    }

    void doubleByteCharactersKeepTheirByteCounts()
    {
        const QByteArray bytes("A\x93\xfa");
        const wmf::DecodedText decoded = wmf::decodeText(reinterpret_cast<const uint8_t *>(bytes.constData()), 3, 128, false);
        QCOMPARE(decoded.bytesPerUnit, (std::vector<uint8_t>{1, 2}));
    }

    void symbolLettersMatchTheActivities()
    {
        for (char c = 'A'; c <= 'z'; ++c) {
            if (!QChar(c).isLetter())
                continue;
            QCOMPARE(QString(QChar(wmf::symbolToUnicode(uint8_t(c)))), symbolToGreek(QString(QChar(c))));
        }
    }

    void facesOfTheSymbolFamily()
    {
        QVERIFY(wmf::isSymbolFace("Symbol"));
        QVERIFY(wmf::isSymbolFace("symbol"));
        QVERIFY(!wmf::isSymbolFace("Times New Roman"));
    }

    void alignmentPlacesTheText()
    {
        const QRect left = inkOf(textPicture(0).textOut(10, 10, "HHH"));
        QVERIFY(qAbs(left.left() - 11) <= 2);
        QVERIFY(left.top() >= 10 && left.top() <= 16);

        const QRect right = inkOf(textPicture(2).textOut(190, 10, "HHH"));
        QVERIFY(qAbs(right.right() - 189) <= 2);
        QVERIFY(qAbs(right.width() - left.width()) <= 1);

        const QRect centred = inkOf(textPicture(6 | 24).textOut(100, 50, "HHH"));
        QVERIFY(qAbs(centred.center().x() - 100) <= 2);
        QVERIFY(qAbs(centred.bottom() - 49) <= 1); // capitals sit on the baseline

        const QRect bottom = inkOf(textPicture(8).textOut(10, 90, "HHH"));
        QVERIFY(bottom.bottom() < 90 && bottom.bottom() > 80); // above the descent
    }

    void spacingArrayAndCurrentPosition()
    {
        const QRect natural = inkOf(textPicture(0).extTextOut(10, 10, "HHH"));
        const QRect spread = inkOf(textPicture(0).extTextOut(10, 10, "HHH", {60, 60, 60}));
        QVERIFY(spread.width() > natural.width() + 80); // two gaps of 60 instead of about 13
        QVERIFY(qAbs(spread.left() - natural.left()) <= 1);

        // TA_UPDATECP: the second text starts where the first ended.
        WmfBuilder cp = textPicture(1);
        cp.record(0x0214, {10, 10}).extTextOut(0, 0, "HH", {40, 40}).extTextOut(0, 0, "H", {40});
        const QRect chained = inkOf(cp);
        QVERIFY(chained.left() >= 10 && chained.left() <= 13);
        QVERIFY(chained.right() > 90 && chained.right() < 110);
    }

    void textStaysUprightUnderAFlippedWindow()
    {
        // A T has its bar at the top: the topmost ink row is the widest.
        WmfBuilder b;
        b.placeable(0, 0, 100, 100, 96).windowOrg(0, 100).windowExt(100, -100).font(-60, 0, "Arial", 700).select(0).bkMode(1);
        b.textOut(20, 90, "T");
        const QImage image = renderMetafile(b.bytes(), QSize(100, 100));
        const QRect ink = boxOf(image, black, 100);
        QVERIFY(ink.isValid());
        QVERIFY(ink.top() >= 9 && ink.top() < 30); // logical y 90 is near the top
        auto rowInk = [&](int y) {
            int n = 0;
            for (int x = 0; x < image.width(); ++x)
                n += qGray(image.pixel(x, y)) < 128;
            return n;
        };
        QVERIFY(rowInk(ink.top() + 2) > 2 * rowInk(ink.bottom() - 2));
    }

    void escapementTurnsTheLine()
    {
        const QRect flat = inkOf(textPicture(0, -16).textOut(100, 80, "HHHHHH"));
        const QRect turned = inkOf(textPicture(0, -16, 900).textOut(100, 80, "HHHHHH"));
        QVERIFY(flat.width() > flat.height() * 2);
        QVERIFY(turned.height() > turned.width() * 2);
        QVERIFY(turned.bottom() <= 82); // a quarter turn counter-clockwise runs upwards
    }

    void opaqueBackgroundBehindText()
    {
        WmfBuilder b;
        b.placeable(0, 0, 200, 100, 96).font(-20, 0, "Arial").select(0).bkMode(2).record(0x0201, {0x00FF, 0});
        b.textOut(10, 10, "HHH");
        const QImage image = renderMetafile(b.bytes(), QSize(200, 100));
        const QRect red = boxOf(image, qRgb(255, 0, 0));
        QVERIFY(red.isValid());
        QVERIFY(red.top() <= 11 && red.height() >= 18);
    }
};

VELMORA_TEST(WmfTextTest)
#include "wmftext_test.moc"
