// Where and how records draw: the frame and mapping, clipping and regions,
// shapes, pens, brushes and palettes, raster operations, text and every
// bitmap record, each case a small metafile with the pixels it must give;
// and hostile input (records that claim more than they hold, endless
// nesting, exhausted object tables, absurd sizes, bitmaps whose headers
// lie), which must be survived with the drawing carrying on after it. Every
// case is drawn into a target inside a larger image, straight onto the image
// and, unless raster operations are the point, through a QPicture (a device
// without them, as printers are); nothing may land outside the target.
#include "builder.h"
#include "testregistry.h"

#include <QtTest>

namespace {
const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), blue = qRgb(0, 0, 255), yellow = qRgb(255, 255, 0);
const QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0), cyan = qRgb(0, 255, 255);
const QVector<QRgb> four{red, green, blue, yellow};
const QRect noRed(-1, -1, 1, 1);  // no red anywhere
const QRect anyRed(-2, -2, 1, 1); // red not checked
constexpr uint32_t SRCAND = 0x008800C6, SRCINVERT = 0x00660046, SRCPAINT = 0x00EE0086;
constexpr uint16_t STRETCHDIB = 0x0F43, DIBSTRETCHBLT = 0x0B41;

struct Probe { QPoint at; QRgb color; };
using Probes = QVector<Probe>;

// A red rectangle with no outline, at logical coordinates.
WmfBuilder redBox(WmfBuilder b, int left = 0, int top = 0, int right = 10, int bottom = 10)
{
    return b.fillWith(red).rectangle(left, top, right, bottom);
}
WmfBuilder redFill() { return picture100().fillWith(red); }

// A stretched DIB of red pixels with part of its header replaced.
WmfBuilder lyingDib(int bpp, int at, const QByteArray &part)
{
    const QByteArray dib = makeDib(bpp, 2, 2, {red, red, red, red}).replace(at, part.size(), part);
    return picture100().blit(STRETCHDIB, dib, {0, 0, 2, 2}, QRect(0, 0, 100, 100));
}

// The colours at the centres of the four quadrants.
Probes quadrants(const QVector<QRgb> &c) { return {{{25, 25}, c[0]}, {{75, 25}, c[1]}, {{25, 75}, c[2]}, {{75, 75}, c[3]}}; }

} // namespace
Q_DECLARE_METATYPE(Probes)

class WmfDrawingTest : public QObject {
    Q_OBJECT

private slots:
    void notAMetafileIsRefused()
    {
        const QByteArray placeableKeyOnly = QByteArray::fromHex("d7cdc69a0000"), cutShort = WmfBuilder().bytes().left(10);
        for (const QByteArray &bytes : {QByteArray("GIF89a not a metafile"), QByteArray(), placeableKeyOnly, cutShort}) {
            QString error;
            QVERIFY(!wmf::Metafile::parse(bytes, &error) && !error.isEmpty());
        }
    }

    void recordsDrawWhereTheyShould_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QRect>("red"); // the box of red pixels, within a pixel
        QTest::addColumn<Probes>("probes");
        QTest::addColumn<QSizeF>("twips"); // the picture's own size, if checked
        QTest::addColumn<bool>("printer");
        const auto row = [](const QString &name, const WmfBuilder &b, QRect box, Probes probes = {}, QSizeF twips = {},
                            bool printer = true) {
            QTest::newRow(qPrintable(name)) << b.bytes() << box << probes << twips << printer;
        };
        // The picture's own size.
        row("placeable: box and units per inch win over the window",
            redBox(WmfBuilder().placeable(0, 0, 2000, 1000, 1000).windowExt(50, 50)), anyRed, {}, QSizeF(2880, 1440));
        row("no placeable header: the window, a unit per pixel",
            redBox(WmfBuilder().mapMode(8).windowOrg(100, 100).windowExt(400, 300), 100, 100, 200, 200), QRect(0, 0, 25, 33),
            {}, QSizeF(6000, 4500));
        row("the window in force at the first drawing, whichever way it runs",
            redBox(WmfBuilder().windowExt(1, 1).windowOrg(0, 100).windowExt(200, -100)), anyRed, {}, {3000, 1500});
        row("neither: the bounds of what it draws", redBox(WmfBuilder(), 10, 20, 110, 70), QRect(0, 0, 100, 100), {},
            QSizeF(1500, 750));
        row("an unsized picture is at most 2048 pixels", redBox(WmfBuilder().windowExt(8192, 4096)), anyRed, {},
            QSizeF(30720, 15360));
        // Where the drawing lands.
        row("placeable, no window records: the box is the window",
            redBox(WmfBuilder().placeable(0, 0, 1000, 1000, 1440), 250, 500, 750, 1000), QRect(25, 50, 50, 50));
        row("placeable with its own window",
            redBox(WmfBuilder().placeable(0, 0, 1000, 1000, 1440).windowOrg(-50, -50).windowExt(100, 100), -50, -50, 0, 0),
            QRect(0, 0, 50, 50));
        row("negative y extent flips: logical bottom is on top",
            redBox(picture100().windowOrg(0, 100).windowExt(100, -100), 0, 0, 100, 20), QRect(0, 80, 100, 20));
        row("a file's own viewport",
            redBox(picture100().mapMode(8).windowExt(10, 10).viewportOrg(50, 0).viewportExt(50, 100), 0, 0, 5, 5),
            QRect(50, 0, 25, 50));
        row("isotropic keeps units square",
            redBox(picture100().mapMode(7).windowExt(200, 100).viewportExt(100, 100), 0, 0, 200, 100), QRect(0, 0, 100, 50));
        row("MM_HIMETRIC: hundredths of a millimetre, y up",
            redBox(WmfBuilder().placeable(0, 0, 96, 96, 96).mapMode(3).windowOrg(0, 2540), 1270, 1270, 2540, 0),
            QRect(50, 50, 50, 50));
        row("offsets add to the window and viewport origins",
            redBox(picture100().windowOrg(10, 10).record(0x020F, {10, 20}).record(0x0211, {15, 5}), 30, 20, 60, 40),
            QRect(5, 15, 30, 20));
        row("scaled extents: window twice as wide, viewport half as high",
            redBox(picture100().mapMode(8).windowExt(100, 100).viewportExt(100, 100).record(0x0410, {1, 1, 2, 4})
                       .record(0x0412, {2, 1, 1, 1}), 0, 0, 100, 100), QRect(0, 0, 50, 50));
        row("a record running past the end of the file ends the drawing",
            redBox(picture100(), 0, 0, 50, 50).truncatedRecord(0x041B, {100, 100, 50, 50}), QRect(0, 0, 50, 50));
        row("nothing spills outside the target", redFill().rectangle(-500, -500, 500, 500), {0, 0, 100, 100});
        // Clipping.
        row("intersect limits drawing", redFill().intersectClip(20, 30, 60, 70).rectangle(0, 0, 100, 100), {20, 30, 40, 40});
        row("intersections accumulate",
            redFill().intersectClip(20, 20, 60, 60).intersectClip(40, 0, 100, 100).rectangle(0, 0, 100, 100),
            QRect(40, 20, 20, 40));
        row("exclude cuts a hole", redFill().excludeClip(40, 40, 60, 60).rectangle(0, 0, 100, 100), QRect(0, 0, 100, 100),
            {{{50, 50}, white}, {{39, 50}, red}, {{60, 50}, red}});
        row("restoring the context brings back its clip",
            redFill().intersectClip(0, 0, 50, 100).saveDC().intersectClip(0, 0, 9, 9).rectangle(0, 0, 9, 9).restoreDC()
                .rectangle(0, 0, 100, 100),
            QRect(0, 0, 50, 100));
        row("the clip stays put when the mapping changes",
            redFill().intersectClip(0, 0, 50, 50).windowOrg(-50, -50).rectangle(-50, -50, 50, 50), QRect(0, 0, 50, 50));
        const WmfBuilder regions = redFill().region({QRect(10, 10, 20, 20), QRect(60, 60, 20, 20)}).record(0x012C, {2});
        row("a region clips", WmfBuilder(regions).rectangle(0, 0, 100, 100), {10, 10, 70, 70}, {{{45, 45}, white}});
        // Selecting something that is not a region (writers use 0) removes the clip.
        row("selecting no region removes the clip", WmfBuilder(regions).record(0x012C, {0}).rectangle(40, 40, 50, 50),
            QRect(40, 40, 10, 10));
        row("an offset clip moves", redFill().intersectClip(0, 0, 50, 50).record(0x0220, {25, 50}).rectangle(0, 0, 100, 100),
            QRect(50, 25, 50, 50));
        // Regions painted: brush 0 (blue) selected, brush 1 red, region 2.
        const WmfBuilder area = picture100().brush(0, blue).select(0).brush(0, red).region({QRect(10, 10, 80, 80)});
        row("a region filled with its own brush", WmfBuilder(area).record(0x0228, {2, 1}), QRect(10, 10, 80, 80));
        row("a region painted with the selected brush", WmfBuilder(area).select(1).record(0x012B, {2}),
            QRect(10, 10, 80, 80));
        row("a region framed 10 wide and 5 high", WmfBuilder(area).record(0x0429, {2, 1, 5, 10}), QRect(10, 10, 80, 80),
            {{{17, 50}, red}, {{20, 50}, white}, {{50, 14}, red}, {{50, 16}, white}});
        row("an inverted region", picture100().fillWith(cyan).rectangle(0, 0, 100, 100).region({QRect(10, 10, 80, 80)})
            .record(0x012A, {2}), QRect(10, 10, 80, 80), {}, {}, false);
        // Shapes and pens.
        const WmfBuilder redPen = picture100().pen(0x0200, 10, red).select(0); // 10 wide, flat ends
        row("a line from the current position", WmfBuilder(redPen).record(0x0214, {30, 10}).record(0x0213, {30, 90}),
            QRect(10, 25, 80, 10));
        row("a polyline stays open", WmfBuilder(redPen).record(0x0325, {3, 10, 10, 90, 10, 90, 90}), QRect(10, 5, 85, 85),
            {{{50, 50}, white}});
        row("an arc runs counter-clockwise", WmfBuilder(redPen).record(0x0817, {10, 50, 50, 90, 90, 90, 10, 10}),
            QRect(50, 5, 45, 45), {{{70, 30}, white}});
        row("a rectangle covers its left and top edges, not its right and bottom", redFill().rectangle(20, 30, 60, 70),
            QRect(20, 30, 40, 40), {{{20, 30}, red}, {{59, 69}, red}, {{60, 69}, white}, {{59, 70}, white}});
        row("a round rectangle's corners are 40 wide and 20 high", redFill().record(0x061C, {20, 40, 90, 90, 10, 10}),
            QRect(10, 10, 80, 80), {{{18, 12}, red}, {{11, 18}, red}, {{13, 11}, white}});
        row("an ellipse", redFill().record(0x0418, {80, 90, 20, 10}), QRect(10, 20, 80, 60), {{{13, 23}, white}});
        row("a pixel", picture100().record(0x041F, colorRef(red) + words({60, 30})), QRect(30, 60, 1, 1));
        row("pie runs counter-clockwise from the start radial", redFill().record(0x081A, {0, 50, 50, 100, 100, 100, 0, 0}),
            QRect(50, 0, 50, 50));
        row("pie the other way round", redFill().record(0x081A, {50, 100, 0, 50, 100, 100, 0, 0}), QRect(0, 0, 100, 100),
            {{{75, 25}, white}, {{25, 25}, red}, {{75, 75}, red}});
        row("chord closes with a straight line", redFill().record(0x0830, {0, 50, 50, 100, 100, 100, 0, 0}),
            QRect(50, 0, 50, 50), {{{80, 20}, red}, {{60, 40}, white}});
        const std::initializer_list<int> star = {5, 50, 0, 79, 90, 2, 35, 98, 35, 21, 90};
        row("alternate fill leaves the star's middle empty", redFill().record(0x0106, {1}).record(0x0324, star), anyRed,
            {{{50, 50}, white}, {{50, 10}, red}});
        row("winding fill fills it", redFill().record(0x0106, {2}).record(0x0324, star), anyRed, {{{50, 50}, red}});
        // Outlined in black; the inner square runs the same way round: a hole only under alternate filling.
        const QByteArray rings = words({2, 4, 4, 10, 10, 90, 10, 90, 90, 10, 90, 30, 30, 70, 30, 70, 70, 30, 70});
        for (int mode : {1, 2})
            row(QStringLiteral("poly-polygon, fill mode %1").arg(mode),
                redFill().pen(0, 4, black).select(2).record(0x0106, {mode}).record(0x0538, rings), QRect(12, 12, 76, 76),
                {{{50, 50}, mode == 1 ? white : red}, {{20, 50}, red}, {{10, 50}, black}});
        row("an inside-frame pen stays inside the box", redFill().pen(6, 10, black).select(2).rectangle(20, 20, 80, 80),
            QRect(30, 30, 40, 40), {{{20, 50}, black}, {{19, 50}, white}});
        row("other pens straddle the outline", redFill().pen(0, 10, black).select(2).rectangle(20, 20, 80, 80),
            QRect(25, 25, 50, 50), {{{15, 50}, black}, {{14, 50}, white}});
        row("a hatched brush", picture100().bkMode(1).brush(2, red).select(0).pen(5, 0, 0).select(1).rectangle(0, 0, 99, 99),
            anyRed, {{{50, 6}, white}, {{50, 7}, red}, {{50, 8}, white}, {{50, 15}, red}}); // one row in eight
        row("a deleted object's slot is filled next", picture100().brush(0, blue).pen(5, 0, 0).select(1).deleteObject(0)
            .brush(0, red).select(0).rectangle(10, 10, 20, 20), QRect(10, 10, 10, 10));
        // Pattern brushes of 3 x 2 pixels, laid from the picture's top left corner.
        const QVector<QRgb> six{red, green, blue, yellow, white, black};
        const Probes tiles = {{{51, 50}, red}, {{52, 50}, green}, {{51, 51}, yellow}};
        row("a DIB pattern brush", picture100().record(0x0142, words({5, 0}) + makeDib(24, 3, 2, six)).select(0).pen(5, 0, 0)
            .select(1).rectangle(0, 0, 100, 100), anyRed, tiles);
        row("a bitmap pattern brush", picture100().record(0x01F9, bitmap16(3, 2, six, QByteArray(22, '\0'))).select(0)
            .pen(5, 0, 0).select(1).rectangle(0, 0, 100, 100), anyRed, tiles);
        // Palette 0 (blue, red, green) selected; brushes by palette index.
        const QByteArray entries = colorRef(blue) + colorRef(red) + colorRef(green);
        const WmfBuilder palette =
            picture100().record(0x00F7, words({0x0300, 3}) + entries).record(0x0234, {0}).pen(5, 0, 0).select(1);
        row("a palette index", WmfBuilder(palette).record(0x02FC, {0, 1, 0x0100, 0}).select(2).rectangle(10, 10, 20, 20),
            QRect(10, 10, 10, 10));
        row("palette entries replaced", WmfBuilder(palette).record(0x0037, words({2, 1}) + colorRef(red))
            .record(0x02FC, {0, 2, 0x0100, 0}).select(2).rectangle(10, 10, 20, 20), QRect(10, 10, 10, 10));
        row("R2_NOTCOPYPEN", picture100().fillWith(cyan).record(0x0104, {4}).rectangle(0, 0, 50, 50), QRect(0, 0, 50, 50));
        row("R2_NOP draws nothing", redFill().record(0x0104, {11}).rectangle(0, 0, 100, 100), noRed);
        row("R2_BLACK", redFill().record(0x0104, {1}).rectangle(0, 0, 100, 100), noRed, {{{50, 50}, black}});
        row("R2_XORPEN twice gives back what was there",
            redFill().rectangle(0, 0, 50, 100).record(0x0104, {7}).rectangle(0, 0, 100, 100).rectangle(0, 0, 100, 100),
            QRect(0, 0, 50, 100), {}, {}, false);
        // Text on an opaque red background: the cell's top left at the reference point.
        const WmfBuilder cell = picture100().record(0x0201, colorRef(red)).font(-40, "Arial").select(0);
        row("text out", WmfBuilder(cell).textOut(20, 30, "H"), anyRed,
            {{{21, 31}, red}, {{19, 31}, white}, {{21, 29}, white}});
        row("ext text out: the opaque rectangle, text clipped to it",
            WmfBuilder(cell).record(0x0A32, words({20, 10, 4, 6, 0, 20, 60, 40}) + "HHHH"), QRect(0, 20, 60, 20));
        // Bitmaps.
        const QVector<QRgb> mono{red, white, white, red};
        QByteArray rle = makeDib(8, 2, 2, four).left(40 + 4 * 4) + QByteArray::fromHex("01020103" "0000" "01000101" "0001");
        rle.replace(16, 1, "\x01").replace(32, 1, "\x04"); // RLE8 in four colours: bottom row 2 and 3, top row 0 and 1
        const std::pair<QString, QByteArray> dibs[] = {
            {"1 bit", makeDib(1, 2, 2, mono)}, {"4 bits", makeDib(4, 2, 2, four)}, {"8 bits", makeDib(8, 2, 2, four)},
            {"24 bits", makeDib(24, 2, 2, four)}, {"32 bits", makeDib(32, 2, 2, four)},
            {"24 bits top-down", makeDib(24, 2, 2, four, true)}, {"8 bits run-length coded", rle}};
        for (const auto &[name, dib] : dibs)
            for (uint16_t function : {STRETCHDIB, DIBSTRETCHBLT})
                row(name + (function == STRETCHDIB ? " stretched" : " blitted"),
                    picture100().blit(function, dib, {0, 0, 2, 2}, QRect(0, 0, 100, 100)), anyRed,
                    quadrants(name == "1 bit" ? mono : four));
        // Source pixel (1, 0) over the whole picture; records that count a bottom-up DIB's rows from
        // the bottom take it from the bottom row.
        const QByteArray dib4 = makeDib(24, 2, 2, four), bitmap4 = bitmap16(2, 2, four);
        for (const auto &[function, bits, color] : {std::tuple{0x0922, bitmap4, green}, {0x0B23, bitmap4, green},
                 {0x0940, dib4, green}, {0x0B41, dib4, green}, {0x0F43, dib4, yellow}, {0x0D33, dib4, yellow}})
            row(QStringLiteral("bitmap record %1 takes its source rectangle").arg(function, 0, 16),
                picture100().windowExt(1, 1).blit(function, bits, {1, 0, 1, 1}, {0, 0, 1, 1}), anyRed,
                quadrants(QVector<QRgb>(4, color)));
        row("a negative destination mirrors",
            picture100().blit(STRETCHDIB, makeDib(24, 2, 1, {red, blue}), {0, 0, 2, 1}, QRect(100, 0, -100, 100)),
            QRect(50, 0, 50, 100), {{{25, 50}, blue}});
        row("a pattern fill without a bitmap paints the brush", redFill().record(0x061D, {0x0021, 0x00F0, 50, 50, 25, 25}),
            QRect(25, 25, 50, 50));
        row("NOTSRCCOPY inverts", picture100().blit(DIBSTRETCHBLT, makeDib(24, 1, 1, {cyan}), {0, 0, 1, 1},
            {0, 0, 50, 100}, 0x00330008), QRect(0, 0, 50, 100));
        row("WHITENESS and BLACKNESS", redFill().rectangle(0, 0, 100, 100).record(0x061D, {0x0062, 0x00FF, 100, 50, 0, 0})
            .record(0x061D, {0x0042, 0, 50, 50, 50, 50}), QRect(50, 0, 50, 50), {{{25, 50}, white}, {{75, 75}, black}});
        row("DSTINVERT",
            picture100().fillWith(cyan).rectangle(0, 0, 100, 100).record(0x061D, {0x0009, 0x0055, 50, 100, 0, 0}),
            QRect(0, 0, 100, 50), {}, {}, false);
        // Icons: an AND mask (white keeps what is there) and a colour image
        // (black keeps it), over green: left half transparent, right half red.
        const WmfBuilder mask = picture100().fillWith(green).rectangle(0, 0, 100, 100).blit(
            DIBSTRETCHBLT, makeDib(1, 2, 1, {white, black}), {0, 0, 2, 1}, QRect(0, 0, 100, 100), SRCAND);
        for (uint32_t rop : {SRCINVERT, SRCPAINT})
            row(QStringLiteral("icon mask and image, %1").arg(rop, 0, 16),
                WmfBuilder(mask).blit(DIBSTRETCHBLT, makeDib(24, 2, 1, {black, red}), {0, 0, 2, 1}, {0, 0, 100, 100}, rop),
                anyRed, {{{25, 50}, green}, {{75, 50}, red}});
        row("an icon mask alone", mask, noRed, {{{25, 50}, green}, {{75, 50}, black}});
        // On raster devices OR mixes colours; elsewhere black at least must keep what is there.
        row("an OR blit alone", picture100().fillWith(green).rectangle(0, 0, 100, 100).blit(DIBSTRETCHBLT,
            makeDib(24, 2, 1, {black, red}), {0, 0, 2, 1}, QRect(0, 0, 100, 100), SRCPAINT), anyRed, {{{25, 50}, green}});
        // Hostile input: each case leaves object slots 0 and 1 free for a blue square that must still appear.
        const auto survives = [&row](const QString &name, const WmfBuilder &b) {
            row(name, WmfBuilder(b).fillWith(blue).rectangle(10, 10, 20, 20), noRed,
                {{{15, 15}, blue}, {{9, 15}, white}, {{20, 15}, white}});
        };
        survives("polygon counting more points than it holds", picture100().record(0x0324, {30000, 1, 2, 3, 4}));
        survives("poly-polygon with absurd counts", picture100().record(0x0538, {65535, 65535, 65535, 1, 1}));
        WmfBuilder deep = picture100();
        for (int i = 0; i < 5000; ++i)
            deep.saveDC();
        survives("save stack far deeper than kept", deep.restoreDC(-4000).restoreDC(32767).restoreDC(-32768));
        WmfBuilder full = picture100();
        for (int i = 0; i < 70000; ++i)
            full.pen(0, 1, 0);
        survives("object table filled to its end", full.select(65535).deleteObject(65535).deleteObject(0).deleteObject(1));
        survives("fonts of every extreme size", picture100()
                                                    .font(-32768, "Arial").select(0).textOut(0, 50, "Huge").deleteObject(0)
                                                    .font(32767, "Arial").select(0).textOut(0, 50, "Huge").deleteObject(0)
                                                    .font(-1, "Arial").select(0).textOut(0, 50, "tiny").deleteObject(0));
        survives("zero extents and zero scalings are refused", picture100().windowExt(0, 0).viewportExt(0, 5)
                                                                   .record(0x0410, {0, 1, 0, 1}).record(0x0412, {1, 0, 1, 0})
                                                                   .windowExt(1, 1).windowExt(100, 100));
        QByteArray hugeRle = makeDib(8, 1, 1, {red}) + QByteArray::fromHex("ff01ff01ff01");
        hugeRle.replace(4, 8, QByteArray::fromHex("ffff0000ffff0000")).replace(16, 1, "\x01"); // 65535 x 65535, RLE8
        survives("run-length bitmap claiming four billion pixels",
                 picture100().blit(STRETCHDIB, hugeRle, {0, 0, 65535, 65535}, QRect(0, 0, 100, 100)));
        survives("text longer than its record", picture100().record(0x0A32, {50, 0, 32000, 6, 0, 0, 100, 100}));
        const std::initializer_list<int> region = {0, 6, 0, 0, 0, 32767, 0, 0, 0, 0, 0, 65535, 0, 1};
        survives("region with more scans than it holds",
                 picture100().record(0x06FF, region).record(0x012C, {0}).record(0x012C, {1}).deleteObject(0));
        survives("pattern brush whose bitmap is missing",
                 picture100().record(0x0142, {3, 0, 0, 32767, 32767, 4096, 0x0101}).select(0).rectangle(0, 0, 5, 5)
                     .deleteObject(0));
        const std::initializer_list<int> farLine = {2, -32768, -32768, 32767, 32767};
        survives("dashed lines far beyond the picture", picture100().pen(1, 0, 0).select(0).record(0x0325, farLine)
                                                            .deleteObject(0).windowExt(1, 1).record(0x0325, farLine)
                                                            .windowExt(100, 100));
        survives("bitmap dimensions beyond its bits", lyingDib(24, 4, QByteArray::fromHex("3075000030750000")));
        survives("colour table beyond the record", lyingDib(8, 32, QByteArray::fromHex("ffffff7f")));
        survives("impossible depth", lyingDib(24, 14, QByteArray::fromHex("0700")));
        survives("bitmap cut short", picture100().blit(STRETCHDIB, makeDib(24, 2, 2, {red, red, red, red}).left(45),
                                                       {0, 0, 2, 2}, QRect(0, 0, 100, 100)));
    }
    void recordsDrawWhereTheyShould()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QRect, red);
        QFETCH(Probes, probes);
        QFETCH(QSizeF, twips);
        QFETCH(bool, printer);
        const std::optional<wmf::Metafile> metafile = wmf::Metafile::parse(bytes);
        QVERIFY(metafile);
        if (!twips.isEmpty())
            QCOMPARE(metafile->sizeTwips(), twips);
        for (bool throughPicture : {false, printer}) {
            QImage canvas = renderMetafile(bytes, {140, 140}, QRectF(20, 20, 100, 100), throughPicture);
            const QImage image = canvas.copy(20, 20, 100, 100);
            QPainter(&canvas).fillRect(20, 20, 100, 100, Qt::white);
            QVERIFY2(canvas == filled(canvas.size(), Qt::white), "drawn outside the target");
            const QRect box = boxOf(image, qRgb(255, 0, 0));
            // The same box within a pixel on every side.
            const bool sameBox = red.adjusted(-1, -1, 1, 1).contains(box) && box.adjusted(-1, -1, 1, 1).contains(red);
            QVERIFY2(red == anyRed || (red == noRed ? box.isNull() : sameBox),
                     qPrintable(QStringLiteral("red box at %1,%2 %3x%4, through a picture: %5")
                                    .arg(box.x()).arg(box.y()).arg(box.width()).arg(box.height()).arg(throughPicture)));
            for (const auto &[at, color] : probes)
                QVERIFY2(near(image.pixel(at), color), qPrintable(QStringLiteral("pixel %1,%2 is %3, through a picture: %4")
                                                                      .arg(at.x()).arg(at.y()).arg(image.pixel(at), 0, 16)
                                                                      .arg(throughPicture)));
        }
    }
};

VELMORA_TEST(WmfDrawingTest)
#include "drawing_test.moc"
