#pragma once
// Small helpers shared by the benchmark programs.
#include <QElapsedTimer>
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
