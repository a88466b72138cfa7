#include "toolkit/heldkeys.h"

#include <QKeyEvent>

namespace {
// Longer than any window system's delay before a held key repeats (Windows'
// longest is one second), so a press later than that after the key's last
// one is a new press whose key's release was lost.
constexpr quint64 kRepeatsWithinMs = 1200;

quint32 identity(const QKeyEvent &key) { return key.nativeScanCode() ? key.nativeScanCode() : quint32(key.key()); }
} // namespace

bool HeldKeys::pressRepeats(const QKeyEvent &key)
{
    if (&key == lastPress_ && key.timestamp() == lastPressAt_)
        return lastPressRepeated_;
    const quint32 id = identity(key);
    lastPress_ = &key;
    lastPressAt_ = key.timestamp();
    const auto down = down_.constFind(id);
    const bool stillDown = down != down_.cend() && (key.timestamp() == 0 || key.timestamp() - *down < kRepeatsWithinMs);
    lastPressRepeated_ = key.isAutoRepeat() || stillDown ||
                         (key.timestamp() != 0 && id == releasedKey_ && key.timestamp() == releasedAt_);
    if (!key.isAutoRepeat() || down != down_.cend()) // a marked repeat ends in a marked release
        down_.insert(id, key.timestamp());
    return lastPressRepeated_;
}

void HeldKeys::released(const QKeyEvent &key)
{
    lastPress_ = nullptr;
    if (key.isAutoRepeat())
        return;
    down_.remove(identity(key));
    releasedKey_ = identity(key);
    releasedAt_ = key.timestamp();
}

void HeldKeys::forget()
{
    down_.clear();
    lastPress_ = nullptr;
}
