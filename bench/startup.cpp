// Start-up time under a real X server: from process start until the first
// window is mapped, for Velmora and for a minimal Qt Widgets program, in the
// same run, alternating so both see the same machine load. Then, in the same
// run, the time each main screen takes to open at scale 1 and 2
// (bench_screens_show), so one command gives every figure a pupil waits on.
//   bench_startup [runs]   (run from the build folder)
#include "benchutil.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QThread>

namespace {
bool windowVisible(const QString &title)
{
    QProcess search;
    search.start("xdotool", {"search", "--onlyvisible", "--name", "^" + title + "$"});
    search.waitForFinished(2000);
    return search.exitCode() == 0 && !search.readAllStandardOutput().trimmed().isEmpty();
}

double timeToWindow(const QString &program, const QString &workDir, const QString &title)
{
    QProcess p;
    p.setWorkingDirectory(workDir);
    QElapsedTimer t;
    t.start();
    p.start(program, {});
    p.waitForStarted();
    while (!windowVisible(title) && t.elapsed() < 20000)
        ;
    const double ms = t.nsecsElapsed() / 1e6;
    p.kill();
    p.waitForFinished();
    return ms;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? QString(argv[1]).toInt() : 15;
    const QString dir = QCoreApplication::applicationDirPath();
    QProcess xvfb;
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("DISPLAY", ":77");
        xvfb.start("Xvfb", {":77", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"});
        QThread::msleep(1000);
    }
    QVector<double> velmora, minimal;
    for (int i = 0; i < runs; ++i) {
        velmora << timeToWindow(dir + "/velmora", dir, "Velmora");
        minimal << timeToWindow(dir + "/bench_minimal_window", dir, "Minimal");
    }
    report("minimal Qt window mapped (median)", median(minimal));
    report("velmora title window mapped (median)", median(velmora));
    report("ratio velmora / minimal", median(velmora) / median(minimal), "x");
    xvfb.kill();
    xvfb.waitForFinished();
    std::fflush(stdout);
    QProcess screens;
    screens.setProcessChannelMode(QProcess::ForwardedChannels);
    screens.start(dir + "/bench_screens_show", {});
    return screens.waitForFinished(-1) && screens.exitCode() == 0 ? 0 : 1;
}
