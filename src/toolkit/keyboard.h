#pragma once
// Working a screen from the keyboard, alongside the mouse. A window may take
// keys before its focused control (Escape for the way out, the quiz's answer
// keys, carrying a label); controls show a focus mark only while the keyboard
// is in use, so a pointer user sees every screen exactly as before; a held
// key acts once, except for typing in a text box; and when the window on top
// goes away the one now on top takes the keyboard.
#include <QWidget>
#include <functional>
#include <QList>

class QKeyEvent;

// Returns true when it handled the key, which then goes no further.
using KeyHandler = std::function<bool(const QKeyEvent &)>;

// Gives window's handlers the first look at every key pressed in it, in the
// order they were bound.
void bindKeys(QWidget *window, KeyHandler handler);
// The key does what pressing `control` does, while `when` (if given) allows
// it; held down, it acts once.
void keyPresses(QWidget *window, int key, QWidget *control, std::function<bool()> when = {});
// Escape does what pressing `exit` does, while `when` (if given) allows it.
void escapePresses(QWidget *window, QWidget *exit, std::function<bool()> when = {});

// Presses a control as a click would: a push button, tick box or round
// button clicks; a label emits its click. Hidden or disabled controls do nothing.
void pressControl(QWidget *control);

// True while keyboard focus should be drawn: the widget has the focus and
// the keyboard, not the pointer, was used last.
bool focusMarkShown(const QWidget *widget);
// Installs the application-wide key and pointer watch; safe to call often.
void watchKeyboardUse();

// Chains the controls' Tab order as listed.
void setTabSequence(const QList<QWidget *> &controls);
