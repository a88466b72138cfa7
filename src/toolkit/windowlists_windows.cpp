#include "toolkit/windowlists.h"

#include <QWidget>

#include <windows.h>

// A tool window has no taskbar button and is left out of Alt+Tab; an
// application window would be listed whatever else it is.
void leaveOutOfWindowLists(QWidget *window)
{
    const auto hwnd = reinterpret_cast<HWND>(window->winId());
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    SetWindowLongPtrW(hwnd, GWL_EXSTYLE, (style | WS_EX_TOOLWINDOW) & ~LONG_PTR(WS_EX_APPWINDOW));
}
