#pragma once
// Every message a user sees goes through one function, so tests can answer
// it instead of a blocking dialog.
#include <QString>
#include <functional>

// OkCancel has OK as its default button (Enter presses it), as the
// catalogue's delete question has always had; OkCancelDefaultCancel has
// Cancel, for a question whose OK throws away work nowhere kept (leaving the
// wizard unsaved).
enum class MsgButtons { Ok, OkCancel, OkCancelDefaultCancel };
enum class MsgResult { Ok, Cancel };

using MessageBoxHandler = std::function<MsgResult(const QString &text, MsgButtons buttons)>;

// Shows a message box with no icon, titled with the application's name. It
// belongs to the screen on top: it stands over that screen and has no
// taskbar entry of its own.
MsgResult messageBox(const QString &text, MsgButtons buttons = MsgButtons::Ok);
// Replaces how messages are shown; an empty handler restores the real dialog.
void setMessageBoxHandler(MessageBoxHandler handler);
