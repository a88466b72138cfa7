// Every screen in each state a pupil meets it, at every scale screens are
// shrunk to for a netbook or enlarged to for a whiteboard, drawn with the
// fonts this machine has: each control sits at its twips rectangle times the
// factor with its font grown alike; every button label's caption fits inside
// its border; no label's drawn text leaves its window or touches another
// control's border or text (a footer running into a menu entry). Round
// markers and tick boxes grow with their text, and bold Tahoma looks bold.
// (Drops at every scale: DropRulesTest and PrintoutsTest.)
#include "activities/fighterslab.h"
#include "activities/fightersord.h"
#include "activities/unitactivities.h"
#include "activities/writinglab.h"
#include "activities/writingord.h"
#include "common/designs.h"
#include "common/unitdescription.h"
#include "quiz/multiple.h"
#include "quiz/welldone.h"
#include "quiz/wrong.h"
#include "shell/guide.h"
#include "shell/intro0.h"
#include "shell/teacher.h"
#include "shell/titlefrm.h"
#include "shell/topicmenu.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "toolkit/contentpath.h"
#include "toolkit/frame.h"
#include "toolkit/line.h"
#include "toolkit/picturebox.h"
#include "toolkit/twips.h"
#include "worksheets/wizard.h"
#include "worksheets/worksheets.h"

#include <QDir>
#include <QFontMetrics>
#include <QStyleOptionButton>
#include <QtTest>
#include <cmath>
#include <functional>

namespace {
template <class S>
Screen &open()
{
    return touch<S>();
}
Screen &checkScore() { return touch<multiple>().Label3[1]->setCaption(QStringLiteral("Check Score >>")), touch<multiple>(); }
Screen &fullMarks() { return touch<Welldone>().showResult({10, 10, true, {}, {}}), touch<Welldone>(); } // "Print Certificate"
Screen &oneShort() { return touch<Welldone>().showResult({8, 10, true, {}, {}}), touch<Welldone>(); } // "Check Wrong Answers"
// The page commands (hidden ones too), "Exit", and a slot with a full 25-character title.
Screen &catalogue()
{
    writeBytes(resolveContentPath(QStringLiteral("multiple\\track.txt")), catalogueBytes({"The Battle of Thermopylae"}));
    return touch<worksheets>();
}
// Every screen in every state that changes its captions, with the control
// array it never shows (its captions need not fit); each unit described in
// the content with its menu and both activities.
using Opener = std::function<Screen &()>;
QList<std::pair<Opener, QString>> everyScreen()
{
    QList<std::pair<Opener, QString>> all{
        {open<Titlefrm>, ""}, {open<intro0>, ""}, {open<fighters>, ""}, {open<writing>, ""}, {open<teacher>, ""},
        {open<guide>, ""}, {open<multiple>, ""}, {checkScore, ""}, {fullMarks, ""}, {oneShort, ""}, {open<Wrong>, ""},
        {open<fighterslab>, ""}, {open<writinglab>, "Label10"}, {open<fightersord>, ""}, {open<writingord>, ""},
        {open<wizard>, ""}, {catalogue, ""}};
    for (const QString &slug : QDir(resolveContentPath(QStringLiteral("units"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const auto unit = [slug] { return std::get<UnitDescription>(readUnitDescription(slug)); };
        all.append({[=]() -> Screen & { return touchKeyed<UnitMenu>(slug, unit()); }, ""});
        all.append({[=]() -> Screen & { return touchKeyed<UnitLabelling>(slug, unit()); }, ""});
        all.append({[=]() -> Screen & { return touchKeyed<UnitOrdering>(slug, unit()); }, ""});
    }
    return all;
}

// Each control with its rectangles in twips and pixels and its font size in pixels.
struct Drawn {
    QString name;
    QRectF twips;
    QRect rect;
    int fontPixels;
};
QList<Drawn> controlsOf(const Screen &screen)
{
    QList<Drawn> drawn;
    for (const QWidget *w : screen.findChildren<QWidget *>())
        drawn.append({w->objectName(), twips::geometryOf(w), w->geometry(), w->testAttribute(Qt::WA_SetFont) ? w->font().pixelSize() : 0});
    return drawn;
}

bool scaledFrom(double edgeAtOne, int edge, double factor) { return std::abs(edgeAtOne * factor - edge) <= 0.5 + 1e-9; }

// Each control's rectangle is its twips rectangle times the factor, to the
// nearest pixel, and its font grows with it.
void checkScaled(const Screen &screen, const QList<Drawn> &atOne, QSize sizeAtOne, double factor)
{
    QCOMPARE(screen.size(), (QSizeF(sizeAtOne) * factor).toSize());
    const QList<Drawn> scaled = controlsOf(screen);
    QCOMPARE(scaled.size(), atOne.size());
    for (int i = 0; i < scaled.size(); ++i) {
        const QRectF t = atOne[i].twips;
        const QRect r = scaled[i].rect;
        QVERIFY2(scaledFrom(t.left() / 15, r.left(), factor) && scaledFrom(t.top() / 15, r.top(), factor) &&
                     scaledFrom(t.right() / 15, r.left() + r.width(), factor) && scaledFrom(t.bottom() / 15, r.top() + r.height(), factor) &&
                     scaled[i].fontPixels == int(atOne[i].fontPixels * factor),
                 qPrintable(screen.screenName() + ' ' + scaled[i].name));
    }
}

// Every bordered label's caption fits inside its border, except the members
// of a control array that the screen never shows.
void checkButtonsFit(const Screen &screen, const QString &neverShownArray)
{
    for (const Label *label : screen.findChildren<Label *>()) {
        if (!label->hasBorder() || (!neverShownArray.isEmpty() && label->objectName().startsWith(neverShownArray + '(')))
            continue;
        const int needed = QFontMetrics(label->font()).horizontalAdvance(label->displayedText());
        QVERIFY2(needed <= label->textArea().width(), qPrintable(QStringLiteral("%1 %2 \"%3\": %4 px of text in %5 px")
                                                                     .arg(screen.screenName(), label->objectName(), label->caption())
                                                                     .arg(needed).arg(label->textArea().width())));
    }
}

// Where a control leaves ink, drawn alone with the real fonts on a clear
// sheet, in screen coordinates: a borderless label's text exactly.
QRect inkOf(QWidget *control)
{
    QImage sheet(control->size(), QImage::Format_ARGB32);
    sheet.fill(Qt::transparent);
    control->render(&sheet, {}, {}, QWidget::RenderFlags());
    QRect ink;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            if (qAlpha(sheet.pixel(x, y)) > 0)
                ink |= QRect(x, y, 1, 1);
    return ink.translated(control->pos());
}

// The text of every shown borderless label against every other shown
// control: it lies inside the window and does not touch another label's
// text, nor the box of a button, bordered label, option, check box or text
// box. Pictures, leader lines and frames lie under text by design.
void checkNoTextCollides(Screen &screen)
{
    struct Placed { QString name; QRect rect; bool text; };
    QList<Placed> placed;
    for (QWidget *control : screen.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!control->isVisibleTo(&screen) || qobject_cast<PictureView *>(control) ||
            qobject_cast<LineControl *>(control) || qobject_cast<Frame *>(control))
            continue;
        const auto *label = qobject_cast<Label *>(control);
        const bool text = label && !label->hasBorder() && !label->caption().isEmpty();
        placed.append({control->objectName(), text ? inkOf(control) : control->geometry(), text});
        QVERIFY2(!text || screen.rect().contains(placed.last().rect), qPrintable(screen.screenName() + ": " + control->objectName() + " leaves the window"));
        // Scaled, a letter's smoothed edge may stray a pixel from where it was at 1:1.
        if (text && twips::scale() != 1)
            placed.last().rect.adjust(1, 1, -1, -1);
    }
    for (int a = 0; a < placed.size(); ++a)
        for (int b = 0; b < placed.size(); ++b)
            QVERIFY2(a == b || !placed[a].text || !placed[a].rect.intersects(placed[b].rect),
                     qPrintable(QStringLiteral("%1: the text of %2 runs into %3").arg(screen.screenName(), placed[a].name, placed[b].name)));
}

// A chosen marker or ticked box as drawn: the width of its grey, white and
// black pixels in the corner where the style puts it, their darkness, and
// how much of it is the dot or tick (darker than the empty box).
struct Marker {
    int width = 0;
    double ink = 0;
    double mark = 0;
};
Marker drawnMarker(QAbstractButton *button, bool chosen)
{
    button->setAutoExclusive(false); // a round button alone in its group can be cleared
    button->setChecked(chosen);
    QImage sheet(button->size(), QImage::Format_RGB32);
    button->render(&sheet);
    QStyleOptionButton option;
    option.initFrom(button);
    const bool round = qobject_cast<QRadioButton *>(button);
    const QRect corner = button->style()->subElementRect(round ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator,
                                                         &option, button).adjusted(-2, -2, 2, 2) & sheet.rect();
    Marker marker;
    QRect box;
    for (int y = corner.top(); y <= corner.bottom(); ++y)
        for (int x = corner.left(); x <= corner.right(); ++x) {
            const QColor c = sheet.pixelColor(x, y);
            if (std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) < 40) {
                box |= QRect(x, y, 1, 1);
                marker.ink += (255 - qGray(c.rgb())) / 255.0;
            }
        }
    marker.width = box.width();
    return marker;
}

// The quiz's answers, the main menu's sound switch, the wizard's and the catalogue's tick boxes.
QList<Marker> markersAt(double factor)
{
    twips::setScale(factor);
    QList<Marker> markers;
    for (QAbstractButton *button : std::initializer_list<QAbstractButton *>{touch<multiple>().Option1[1], touch<intro0>().Option1,
             touch<wizard>().Check1[0], touch<worksheets>().Check1, touch<worksheets>().Check2}) {
        markers << drawnMarker(button, true);
        markers.last().mark = markers.last().ink - drawnMarker(button, false).ink;
    }
    screens::unloadAll();
    return markers;
}

// The darkness of a caption drawn black on white.
double inkOfCaption(const FontDesign &font)
{
    Label label(nullptr, textLabel(QStringLiteral("Multiple Choice Wizard"), 0, 0, 6000, 900, font, Qt::black));
    QImage sheet(label.size(), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    label.render(&sheet, {}, {}, QWidget::RenderFlags());
    double ink = 0;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            ink += (255 - qGray(sheet.pixel(x, y))) / 255.0;
    return ink;
}
} // namespace

class ScaledScreensTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase_data()
    {
        QTest::addColumn<double>("factor");
        for (double factor : {0.75, 1.0, 1.5, 2.0})
            QTest::addRow("%g", factor) << factor;
    }

    void everyScreenInEveryState()
    {
        QFETCH_GLOBAL(double, factor);
        TestEnvironment env;
        for (const auto &[openScreen, neverShown] : everyScreen()) {
            twips::setScale(1);
            const QSize sizeAtOne = openScreen().size();
            const QList<Drawn> atOne = controlsOf(openScreen());
            screens::unloadAll();
            twips::setScale(factor);
            Screen &screen = openScreen();
            checkScaled(screen, atOne, sizeAtOne, factor);
            checkButtonsFit(screen, neverShown);
            checkNoTextCollides(screen);
            screens::unloadAll();
        }
        // The copyright line is not squeezed: three pixels or more of room all round.
        Titlefrm &title = touch<Titlefrm>();
        const QRect footer = inkOf(title.Label2).adjusted(-3, -3, 3, 3);
        QVERIFY(title.rect().contains(footer));
        for (const QRect &other : {title.Command1->geometry(), title.Command2->geometry(), inkOf(title.Label4)})
            QVERIFY(!footer.intersects(other));
    }

    // Each grows by the factor to the pixel, and its ink by the square of it;
    // its dot or tick is dark enough to see on its white box.
    void markersAndTickBoxesScale()
    {
        QFETCH_GLOBAL(double, factor);
        TestEnvironment env;
        const QList<Marker> atOne = markersAt(1);
        const QList<Marker> scaled = markersAt(factor);
        for (int i = 0; i < atOne.size(); ++i) {
            const QString what = QStringLiteral("marker %1: %2 px at 1:1, %3 px").arg(i).arg(atOne[i].width).arg(scaled[i].width);
            QVERIFY2(atOne[i].width >= 10 && std::abs(atOne[i].width * factor - scaled[i].width) <= 1.5, qPrintable(what));
            const double inkGrowth = scaled[i].ink / atOne[i].ink / (factor * factor);
            QVERIFY2(inkGrowth > 0.7 && inkGrowth < 1.4, qPrintable(what + ", ink " + QString::number(inkGrowth)));
            QVERIFY2(scaled[i].mark > 0.2 * scaled[i].ink, qPrintable(what + ", no dark mark"));
        }
    }

    // A bold caption draws clearly heavier strokes than a regular one at
    // every size the screens use (a bold face that only spaces out regular
    // strokes does not).
    void boldTahomaLooksBold()
    {
        QFETCH_GLOBAL(double, factor);
        TestEnvironment env;
        twips::setScale(factor);
        for (double points : {8.25, 12.0, 15.75, 18.0, 32.25, 36.0}) {
            const double ratio = inkOfCaption(fonts::tahoma(points, true)) / inkOfCaption(fonts::tahoma(points, false));
            QVERIFY2(ratio >= 1.3, qPrintable(QStringLiteral("%1 pt: %2").arg(points).arg(ratio)));
        }
    }
};

VELMORA_TEST(ScaledScreensTest)
#include "scaled_screens_test.moc"
