#pragma once
// Small helpers shared by the benchmark programs.
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <QVector>
#include <algorithm>
#include <cstdio>
#include <functional>

inline double median(QVector<double> v)
{
    if (v.isEmpty())
        return 0;
    std::sort(v.begin(), v.end());
    const int n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Runs f `runs` times and returns each run's time in milliseconds.
inline QVector<double> timeRuns(int runs, const std::function<void()> &f)
{
    QVector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        ms << t.nsecsElapsed() / 1e6;
    }
    return ms;
}

inline void report(const char *what, double value, const char *unit = "ms")
{
    std::printf("%-58s %10.3f %s\n", what, value, unit);
}

// Starts a private X server on display (":77") when none is named, for
// benchmarks that map real windows; xvfb ends it when destroyed or killed.
inline void startDisplayIfNone(QProcess &xvfb, const char *display)
{
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    qputenv("DISPLAY", display);
    xvfb.start("Xvfb", {display, "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"});
    QThread::msleep(1000);
}
