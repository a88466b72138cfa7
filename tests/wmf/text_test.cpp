// Text in metafiles: bytes decoded by the font's character set, Symbol
// letters as Greek, and placement by alignment, spacing array, current
// position, escapement and flipped mappings.
#include "builder.h"
#include "testregistry.h"
#include "wmf/textcodec.h"

#include <QtTest>

namespace {
const QRgb black = qRgb(0, 0, 0), ink = qRgb(0, 0, 255); // ink: the text colour textPicture sets

// A 200 x 100 pixel picture (one unit per pixel) set up for one text record.
WmfBuilder textPicture(int align, int height = -20, int escapement = 0)
{
    WmfBuilder b = WmfBuilder().placeable(0, 0, 200, 100, 96);
    return b.font(height, "Arial", 400, escapement).select(0).textAlign(align).bkMode(1).record(0x0209, colorRef(ink));
}

QRect inkOf(const WmfBuilder &b) { return boxOf(renderMetafile(b.bytes(), QSize(200, 100)), ink, 100); }

bool within(int value, int low, int high) { return value >= low && value <= high; }
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
        QTest::addColumn<QByteArray>("bytesPerUnit");
        const auto row = [](const char *name, int charset, bool symbol, const QByteArray &bytes, const QString &text,
                            QByteArray perUnit = {}) {
            const QByteArray oneEach(bytes.size(), 1);
            QTest::newRow(name) << charset << symbol << bytes << text << (perUnit.isEmpty() ? oneEach : perUnit);
        };
        row("ANSI is Windows-1252", 0, false, "\x80 caf\xe9", QStringLiteral("€ café"));
        row("GREEK is Windows-1253", 161, false, "\xe1\xe2\xe3", QStringLiteral("αβγ"));
        row("SHIFTJIS is code page 932", 128, false, "A\x93\xfa\x96\x7b", QStringLiteral("A日本"), "\x01\x02\x02");
        row("Symbol letters are Greek", 2, true, "abgpW", QStringLiteral("αβγπΩ"));
        row("Symbol signs", 2, true, "\xa3\xb1\xb4\xd6\xa5", QStringLiteral("≤±×√∞"));
    }
    void decodesByCharacterSet()
    {
        QFETCH(int, charset);
        QFETCH(bool, symbol);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(QByteArray, bytesPerUnit);
        const wmf::DecodedText decoded =
            wmf::decodeText(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()), charset, symbol);
        QCOMPARE(decoded.text, text);
        // Spacing arrays give one advance per byte: each character must know how many it took.
        const std::vector<uint8_t> &counts = decoded.bytesPerUnit;
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(counts.data()), qsizetype(counts.size())), bytesPerUnit);
    }

    void alignmentPlacesTheText()
    {
        // An opaque background (red here) fills the text's cell.
        const WmfBuilder b = textPicture(0).bkMode(2).record(0x0201, {0x00FF, 0}).textOut(10, 10, "HHH");
        const QImage opaque = renderMetafile(b.bytes(), {200, 100});
        const QRect left = boxOf(opaque, ink, 100), background = boxOf(opaque, qRgb(255, 0, 0));
        QVERIFY(within(left.left(), 9, 13) && within(left.top(), 10, 16));
        QVERIFY(background.top() <= 11 && background.height() >= 18 && background.contains(left));
        const QRect right = inkOf(textPicture(2).textOut(190, 10, "HHH"));
        QVERIFY(within(right.right(), 187, 191) && qAbs(right.width() - left.width()) <= 1);
        const QRect centred = inkOf(textPicture(6 | 24).textOut(100, 50, "HHH"));
        QVERIFY(within(centred.center().x(), 98, 102) && within(centred.bottom(), 48, 50)); // capitals sit on the baseline
        const QRect bottom = inkOf(textPicture(8).textOut(10, 90, "HHH"));
        QVERIFY(within(bottom.bottom(), 81, 89)); // above the descent
    }

    void spacingArrayAndCurrentPosition()
    {
        const QRect natural = inkOf(textPicture(0).extTextOut(10, 10, "HHH"));
        const QRect spread = inkOf(textPicture(0).extTextOut(10, 10, "HHH", {60, 60, 60}));
        // Two gaps of 60 instead of about 13, from the same start.
        QVERIFY(spread.width() > natural.width() + 80 && qAbs(spread.left() - natural.left()) <= 1);
        // SETTEXTCHAREXTRA: 30 more after every character.
        QVERIFY(within(inkOf(textPicture(0).record(0x0108, {30}).textOut(10, 10, "HHH")).width() - natural.width(), 58, 62));
        // TA_UPDATECP: the second text starts where the first ended.
        const WmfBuilder cp = textPicture(1).record(0x0214, {10, 10}).extTextOut(0, 0, "HH", {40, 40});
        const QRect chained = inkOf(WmfBuilder(cp).extTextOut(0, 0, "H", {40}));
        QVERIFY(within(chained.left(), 10, 13) && within(chained.right(), 91, 109));
    }

    void textStaysUprightUnderAFlippedWindow()
    {
        // A T has its bar at the top: the topmost ink row is the widest.
        WmfBuilder b = WmfBuilder().placeable(0, 0, 100, 100, 96).windowOrg(0, 100).windowExt(100, -100);
        b.font(-60, "Arial", 700).select(0).bkMode(1).textOut(20, 90, "T");
        const QImage image = renderMetafile(b.bytes(), QSize(100, 100));
        const QRect ink = boxOf(image, black, 100);
        QVERIFY(within(ink.top(), 9, 29)); // logical y 90 is near the top
        const auto rowInk = [&](int y) { return boxOf(image.copy(0, y, 100, 1), black, 100).width(); };
        QVERIFY(rowInk(ink.top() + 2) > 2 * rowInk(ink.bottom() - 2));
    }

    void escapementTurnsTheLine()
    {
        // A quarter turn counter-clockwise runs upwards from the reference point.
        const QRect turned = inkOf(textPicture(0, -16, 900).textOut(100, 80, "HHHHHH"));
        QVERIFY(turned.height() > turned.width() * 2 && turned.bottom() <= 82);
    }
};

VELMORA_TEST(WmfTextTest)
#include "text_test.moc"
