// Screens shrunk for a netbook or enlarged for a whiteboard: every control
// keeps its place in twips at any scale. (Drops at every scale:
// DropRulesTest and PrintoutsTest.)
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
};

VELMORA_TEST(ScaledScreensTest)
#include "scaled_screens_test.moc"
