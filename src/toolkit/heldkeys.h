#pragma once
// Which keys are down, and how the window system reports a key held down.
// It marks a repeat only when it can tell: once a screen closes under a
// held key, the next screen may get the repeats as plain presses. By default
// X11 sends a held key as a release and a press with one time stamp, again
// and again, a pair that looks like a new press once split; asked, it sends
// the repeats as presses alone and one release when the key comes up, as
// Windows does. A key's release can be lost (it went to a window that closed
// or to another program), so a key counts as still down only while its
// presses keep coming, as a held key's repeats do.
#include <QHash>

class QKeyEvent;

class HeldKeys {
public:
    // Whether a press repeats a key already down. A press travels from a
    // control to its parents as one event, which counts once.
    bool pressRepeats(const QKeyEvent &key);
    void released(const QKeyEvent &key);
    // Releases now go to another program.
    void forget();

private:
    QHash<quint32, quint64> down_; // each key down, with the time of its last press or repeat
    const QKeyEvent *lastPress_ = nullptr;
    quint64 lastPressAt_ = 0;
    bool lastPressRepeated_ = false;
    quint32 releasedKey_ = 0;
    quint64 releasedAt_ = 0;
};

// Asks the window system to send a held key as repeated presses and one
// release (one implementation file per platform: heldkeys_posix.cpp,
// heldkeys_windows.cpp).
void askForHeldKeysAsRepeatedPresses();
