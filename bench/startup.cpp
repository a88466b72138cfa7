// Start-up time under a real X server: from process start until the first
// window is mapped (Velmora's backdrop, then its title screen), for Velmora
// and for a minimal Qt Widgets program, in the same run, alternating so both
// see the same machine load, and the number of shared libraries each has
// mapped by then. Then, in the same
// run, the time each main screen takes to open at scales 0.75 to 2
// (bench_screens_show), so one command gives every figure a pupil waits on.
//   bench_startup [runs]   (run from the build folder)
#include "benchutil.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QThread>
#include <cstdlib>
#include <poll.h>
#include <xcb/xcb.h>

namespace {
// The distinct shared libraries a running process has mapped.
int librariesMapped(qint64 pid)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    if (!maps.open(QIODevice::ReadOnly))
        return -1;
    QSet<QByteArray> libraries;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const QByteArray path = line.mid(line.indexOf('/'));
        if (line.contains('/') && (path.endsWith(".so") || path.contains(".so.")))
            libraries.insert(path);
    }
    return int(libraries.size());
}

// Top-level windows mapped on the X server, as the server reports them: no
// polling, so the program measured has the machine to itself.
class MapWatch {
public:
    MapWatch() : connection_(xcb_connect(nullptr, nullptr))
    {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
    }
    ~MapWatch() { xcb_disconnect(connection_); }

    // Waits for the next window to be mapped; false after timeoutMs.
    bool nextMap(int timeoutMs)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < timeoutMs) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(connection_)) {
                const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
                std::free(event);
                if (mapped)
                    return true;
            }
            pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
            poll(&fd, 1, 100);
        }
        return false;
    }

private:
    xcb_connection_t *connection_;
};

struct Start {
    QVector<double> ms; // to each window mapped, in order
    int libraries = 0;  // mapped by the process when its last window counted was mapped
};

// Times from starting the program until each of its first `windows` windows is mapped.
Start timeToWindows(const QString &program, const QString &workDir, int windows)
{
    MapWatch watch;
    QProcess p;
    p.setWorkingDirectory(workDir);
    Start start;
    QElapsedTimer t;
    t.start();
    p.start(program, {});
    p.waitForStarted();
    while (start.ms.size() < windows && watch.nextMap(20000))
        start.ms << t.nsecsElapsed() / 1e6;
    start.libraries = librariesMapped(p.processId());
    p.kill();
    p.waitForFinished();
    return start;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? QString(argv[1]).toInt() : 15;
    const QString dir = QCoreApplication::applicationDirPath();
    QProcess xvfb;
    startDisplayIfNone(xvfb, ":77");
    // Velmora maps its backdrop, then the title screen.
    QVector<double> backdrop, title, minimal;
    Start velmoraStart, minimalStart;
    for (int i = 0; i < runs; ++i) {
        velmoraStart = timeToWindows(dir + "/velmora", dir, 2);
        minimalStart = timeToWindows(dir + "/bench_minimal_window", dir, 1);
        backdrop << velmoraStart.ms.value(0);
        title << velmoraStart.ms.value(1);
        minimal << minimalStart.ms.value(0);
    }
    report("minimal Qt window mapped (median)", median(minimal));
    report("velmora first window (backdrop) mapped (median)", median(backdrop));
    report("velmora title screen mapped (median)", median(title));
    report("ratio velmora first window / minimal", median(backdrop) / median(minimal), "x");
    report("ratio velmora title screen / minimal", median(title) / median(minimal), "x");
    report("shared libraries mapped by the minimal window", minimalStart.libraries, "");
    report("shared libraries mapped by velmora's title screen", velmoraStart.libraries, "");
    xvfb.kill();
    xvfb.waitForFinished();
    std::fflush(stdout);
    QProcess screens;
    screens.setProcessChannelMode(QProcess::ForwardedChannels);
    screens.start(dir + "/bench_screens_show", {});
    return screens.waitForFinished(-1) && screens.exitCode() == 0 ? 0 : 1;
}
