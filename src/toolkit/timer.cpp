#include "toolkit/timer.h"

Timer::Timer(QObject *parent, int intervalMs, bool enabled) : QObject(parent)
{
    timer_.setInterval(intervalMs);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (enabled_ && onTick)
            onTick();
    });
    setEnabled(enabled);
}

void Timer::setEnabled(bool on)
{
    enabled_ = on;
    // An interval of 0 means the timer never fires, as on classroom PCs.
    if (on && timer_.interval() > 0)
        timer_.start();
    else
        timer_.stop();
}
