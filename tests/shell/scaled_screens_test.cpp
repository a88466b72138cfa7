// Screens shrunk for a netbook or enlarged for a whiteboard: every control
// keeps its place in twips at any scale, and the round markers and tick
// boxes grow with their text. (Drops at every scale: DropRulesTest and
// PrintoutsTest.)
#include "activities/fighterslab.h"
#include "activities/fightersord.h"
#include "activities/writinglab.h"
#include "activities/writingord.h"
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
#include "toolkit/twips.h"
#include "worksheets/wizard.h"
#include "worksheets/worksheets.h"

#include <QStyleOptionButton>
#include <QtTest>
#include <cmath>

namespace {
template <class S>
Screen &open()
{
    return touch<S>();
}
using Opener = Screen &(*)();
const Opener kEveryScreen[] = {open<Titlefrm>, open<intro0>, open<fighters>, open<writing>, open<teacher>,
                               open<guide>, open<multiple>, open<Welldone>, open<Wrong>, open<fighterslab>,
                               open<writinglab>, open<fightersord>, open<writingord>, open<wizard>,
                               open<worksheets>};

// Each control of a screen with its rectangles in twips and pixels and its
// font size in pixels.
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
Marker markerOf(QAbstractButton *button)
{
    Marker marker = drawnMarker(button, true);
    marker.mark = marker.ink - drawnMarker(button, false).ink;
    return marker;
}

// The quiz's answers, the main menu's sound switch, the wizard's and the catalogue's tick boxes.
QList<Marker> markersAt(double factor)
{
    twips::setScale(factor);
    QList<Marker> markers{markerOf(touch<multiple>().Option1[1]), markerOf(touch<intro0>().Option1),
                          markerOf(touch<wizard>().Check1[0]), markerOf(touch<worksheets>().Check1),
                          markerOf(touch<worksheets>().Check2)};
    screens::unloadAll();
    return markers;
}
} // namespace

class ScaledScreensTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlScalesWithItsScreen_data()
    {
        QTest::addColumn<double>("factor");
        for (double factor : {0.75, 1.5, 2.0})
            QTest::addRow("%g", factor) << factor;
    }
    // Each control's rectangle is its twips rectangle times the factor, to
    // the nearest pixel, and its font grows with it.
    void everyControlScalesWithItsScreen()
    {
        QFETCH(double, factor);
        TestEnvironment env;
        for (Opener openScreen : kEveryScreen) {
            twips::setScale(1);
            const QSize sizeAtOne = openScreen().size();
            const QList<Drawn> atOne = controlsOf(openScreen());
            screens::unloadAll();
            twips::setScale(factor);
            Screen &screen = openScreen();
            QCOMPARE(screen.size(), (QSizeF(sizeAtOne) * factor).toSize());
            const QList<Drawn> scaled = controlsOf(screen);
            QCOMPARE(scaled.size(), atOne.size());
            for (int i = 0; i < scaled.size(); ++i) {
                const QRectF t = atOne[i].twips;
                const QRect r = scaled[i].rect;
                const QString where = screen.screenName() + ' ' + scaled[i].name;
                QVERIFY2(scaledFrom(t.left() / 15, r.left(), factor) && scaledFrom(t.top() / 15, r.top(), factor) &&
                             scaledFrom(t.right() / 15, r.left() + r.width(), factor) &&
                             scaledFrom(t.bottom() / 15, r.top() + r.height(), factor),
                         qPrintable(where));
                QVERIFY2(scaled[i].fontPixels == int(atOne[i].fontPixels * factor), qPrintable(where));
            }
            screens::unloadAll();
        }
    }

    // Each grows by the factor to the pixel, and its ink by the square of it;
    // its dot or tick is dark enough to see on its white box.
    void markersAndTickBoxesScale()
    {
        QFETCH(double, factor);
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
    void markersAndTickBoxesScale_data() { everyControlScalesWithItsScreen_data(); }

};

VELMORA_TEST(ScaledScreensTest)
#include "scaled_screens_test.moc"
