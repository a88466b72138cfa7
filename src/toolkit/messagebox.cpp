#include "toolkit/messagebox.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace {
MessageBoxHandler &handler()
{
    static MessageBoxHandler h;
    return h;
}

MsgResult showDialog(const QString &text, MsgButtons buttons)
{
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text,
                    buttons == MsgButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setWindowRole(QStringLiteral("message")); // the window system knows message boxes apart from screens
    return box.exec() == QMessageBox::Ok ? MsgResult::Ok : MsgResult::Cancel;
}
} // namespace

MsgResult messageBox(const QString &text, MsgButtons buttons)
{
    return handler() ? handler()(text, buttons) : showDialog(text, buttons);
}

void setMessageBoxHandler(MessageBoxHandler h) { handler() = std::move(h); }
