// Windows: a window owned by another is never listed in the taskbar or
// Alt+Tab unless it asks to be (WS_EX_APPWINDOW), and always stays in front
// of its owner. Every screen is owned: by the screen beneath it, or, at the
// bottom of the stack, by one hidden window of the program's own, so that
// the screen on top alone asks to be listed. The backdrop, owned by no one,
// is a tool window, which is never listed.
#include "toolkit/windowlists.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <windows.h>

namespace {
// Only the Windows platform's window ids are window handles. Elsewhere (the
// tests' offscreen platform) they are counters, and Windows would take such a
// number for some other window, perhaps another program's, and wait on it.
bool idsAreWindowHandles() { return QGuiApplication::platformName() == QLatin1String("windows"); }

QWindow *hiddenOwner()
{
    static QWindow *owner = [] {
        auto *window = new QWindow;
        window->create(); // a handle to own with; never shown
        return window;
    }();
    return owner;
}

void setExtendedStyle(QWidget *window, LONG_PTR add, LONG_PTR remove)
{
    const auto hwnd = reinterpret_cast<HWND>(window->winId());
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    if (((style | add) & ~remove) == style)
        return;
    SetWindowLongPtrW(hwnd, GWL_EXSTYLE, (style | add) & ~remove);
    // A shown window's changed style takes effect once its frame is redone.
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}
} // namespace

// Qt tells Windows a window's owner only as it shows the window, so a shown
// screen whose owner unloads is handed to its new owner here: Windows
// destroys every window an unloaded owner still owns.
void keepInFrontOf(QWidget *window, QWidget *beneath)
{
    window->winId();
    if (beneath)
        beneath->winId();
    QWindow *owner = beneath ? beneath->windowHandle() : hiddenOwner();
    window->windowHandle()->setTransientParent(owner);
    if (idsAreWindowHandles())
        SetWindowLongPtrW(reinterpret_cast<HWND>(window->winId()), GWLP_HWNDPARENT, LONG_PTR(owner->winId()));
}

void setInWindowLists(QWidget *window, bool listed)
{
    if (!idsAreWindowHandles())
        return;
    window->winId();
    if (listed)
        setExtendedStyle(window, WS_EX_APPWINDOW, WS_EX_TOOLWINDOW);
    else if (window->windowHandle()->transientParent())
        setExtendedStyle(window, 0, WS_EX_APPWINDOW);
    else
        setExtendedStyle(window, WS_EX_TOOLWINDOW, WS_EX_APPWINDOW);
}
