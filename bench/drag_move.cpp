// Time to handle one pointer move on a dragged label, including the repaint
// of the screen it moves over, and one drop test, each as the median of many
// events, printed beside a 60 Hz frame (16.7 ms) and beside an empty event
// pass measured in the same run.
//   bench_drag_move [events]   (run from the build folder, beside the content)
#include "activities/fighterslab.h"
#include "benchutil.h"
#include "toolkit/screen.h"

#include <QApplication>
#include <QMouseEvent>

namespace {
constexpr double kFrameMs = 1000.0 / 60;

// Counts the paints a widget receives, to show each timed move really repainted it.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

void send(QWidget *w, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent e(type, at, w->mapToGlobal(at), button, held, {});
    QApplication::sendEvent(w, &e);
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int events = argc > 1 ? std::max(10, atoi(argv[1])) : 2000;

    fighterslab &screen = touch<fighterslab>();
    screen.showScreen();
    QCoreApplication::processEvents();
    Label *label = screen.Label2[0];

    // An event pass with nothing to do: the floor under every figure below.
    const auto idle = timeRuns(events, [] { QCoreApplication::processEvents(); });

    // The label swings to and fro across the soldier's picture and its leader line.
    label->moveTo(5600, 2900);
    send(label, QEvent::MouseButtonPress, label->rect().center(), Qt::LeftButton, Qt::LeftButton);
    int step = 0;
    PaintCounter labelPaints;
    label->installEventFilter(&labelPaints);
    const auto move = timeRuns(events, [&] {
        const double dx = (step++ % 2 == 0) ? 90 : -90;
        const QRect before = label->geometry();
        send(label, QEvent::MouseMove, QPointF(label->rect().center()) + QPointF(dx, 0), Qt::NoButton,
             Qt::LeftButton);
        // Paint the old and the new place now, as the next frame would.
        screen.repaint(before.united(label->geometry()));
    });
    send(label, QEvent::MouseButtonRelease, label->rect().center(), Qt::LeftButton, Qt::NoButton);
    label->removeEventFilter(&labelPaints);

    // A release on open ground tests all ten zones and counts the labels in boxes.
    label->moveTo(600, 4800);
    const auto drop = timeRuns(events, [&] {
        send(label, QEvent::MouseButtonRelease, label->rect().center(), Qt::LeftButton, Qt::NoButton);
    });
    // The zone arithmetic alone.
    std::vector<TwipsBox> zones;
    for (int i = 0; i < screen.labelCount(); ++i) {
        zones.push_back(boxOf(screen.Label1[i]));
        zones.push_back(boxOf(screen.Label4[i]));
    }
    volatile size_t sink = 0;
    const auto arithmetic = timeRuns(events, [&] {
        for (int i = 0; i < 1000; ++i)
            sink = sink + dropOnZones({float(600 + i % 7), 4800}, zones).snaps.size();
    });

    std::printf("%d events each, label %s on fighterslab (800 x 600)\n", events, qPrintable(label->caption()));
    std::printf("label repainted %d times in %d moves\n", labelPaints.paints, events);
    report("60 Hz frame", kFrameMs);
    report("empty event pass (median)", median(idle));
    report("pointer move on a dragged label + repaint (median)", median(move));
    report("release with drop test + completion count (median)", median(drop));
    report("drop-zone arithmetic, 10 boxes + 10 slots (median)", median(arithmetic), "us");
    report("move as a share of a 60 Hz frame", 100 * median(move) / kFrameMs, "%");
    report("move / empty event pass", median(move) / std::max(median(idle), 1e-6), "x");
    screens::unloadAll();
    return 0;
}
