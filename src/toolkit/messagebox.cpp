#include "toolkit/messagebox.h"

#include "toolkit/screen.h"
#include "toolkit/windowlists.h"

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
    const bool asks = buttons != MsgButtons::Ok;
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text,
                    asks ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok);
    box.setDefaultButton(buttons == MsgButtons::OkCancelDefaultCancel ? QMessageBox::Cancel : QMessageBox::Ok);
    box.setWindowRole(QStringLiteral("message")); // the window system knows message boxes apart from screens
    keepInFrontOf(&box, screens::topmost());
    setInWindowLists(&box, false);
    return box.exec() == QMessageBox::Ok ? MsgResult::Ok : MsgResult::Cancel;
}
} // namespace

MsgResult messageBox(const QString &text, MsgButtons buttons)
{
    return handler() ? handler()(text, buttons) : showDialog(text, buttons);
}

void setMessageBoxHandler(MessageBoxHandler h) { handler() = std::move(h); }
