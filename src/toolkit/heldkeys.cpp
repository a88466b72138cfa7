#include "toolkit/heldkeys.h"

#include <QKeyEvent>

namespace {
quint32 identity(const QKeyEvent &key) { return key.nativeScanCode() ? key.nativeScanCode() : quint32(key.key()); }
} // namespace

bool HeldKeys::pressRepeats(const QKeyEvent &key)
{
    if (&key == lastPress_ && key.timestamp() == lastPressAt_)
        return lastPressRepeated_;
    const quint32 id = identity(key);
    lastPress_ = &key;
    lastPressAt_ = key.timestamp();
    lastPressRepeated_ = key.isAutoRepeat() || down_.contains(id) ||
                         (key.timestamp() != 0 && id == releasedKey_ && key.timestamp() == releasedAt_);
    if (!key.isAutoRepeat()) // a marked repeat ends in a marked release
        down_.insert(id);
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
