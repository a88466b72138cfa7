#pragma once
// Every message a user sees goes through one function, so tests can answer
// it instead of a blocking dialog.
#include <QString>
#include <functional>

// OkCancel has OK as its default button (Enter presses it); a question whose
// OK loses something has Cancel as its default instead.
enum class MsgButtons { Ok, OkCancel, OkCancelDefaultCancel };
enum class MsgResult { Ok, Cancel };

using MessageBoxHandler = std::function<MsgResult(const QString &text, MsgButtons buttons)>;

// Shows a message box with no icon, titled with the application's name.
MsgResult messageBox(const QString &text, MsgButtons buttons = MsgButtons::Ok);
// Replaces how messages are shown; an empty handler restores the real dialog.
void setMessageBoxHandler(MessageBoxHandler handler);
