// In-process time to load and show the main menu, against showing an empty
// window of the same size with no controls.
#include "benchutil.h"
#include "shell/intro0.h"
#include "toolkit/screen.h"

#include <QApplication>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = 200;

    const auto plain = timeRuns(runs, [] {
        QWidget w;
        w.resize(800, 600);
        w.show();
        QCoreApplication::processEvents();
    });
    touch<intro0>(); // fonts and pictures warm, as after the title screen
    screens::unloadAll();
    const auto menu = timeRuns(runs, [] {
        touch<intro0>().showScreen();
        QCoreApplication::processEvents();
        touch<intro0>().unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
    report("empty 800x600 window shown (median)", median(plain));
    report("intro0 loaded and shown (median)", median(menu));
    report("ratio intro0 / empty window", median(menu) / median(plain), "x");
    return 0;
}
