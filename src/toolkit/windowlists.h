#pragma once
// What a window manager is told beyond Qt's window flags.
class QWidget;

// Leaves a top-level window out of the taskbar, the pager and window
// switching (Alt+Tab). Call it while the window is hidden, before each show;
// it does nothing where the window system has no such lists to leave.
void leaveOutOfWindowLists(QWidget *window);
