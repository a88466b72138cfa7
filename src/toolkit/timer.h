#pragma once
// A screen timer: an interval in milliseconds and an on/off switch. Ticks run
// on the user-interface thread; switching it off stops further ticks at once.
#include <QObject>
#include <QTimer>
#include <functional>

class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject *parent, int intervalMs = 0, bool enabled = false);
    void setEnabled(bool on);
    bool isEnabled() const { return enabled_; }
    std::function<void()> onTick;

private:
    QTimer timer_;
    bool enabled_ = false;
};
