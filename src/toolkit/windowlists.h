#pragma once
// What a window manager is told beyond Qt's window flags: which window
// stands in front of which, and which windows show in the taskbar.
class QWidget;

// Keeps window in front of beneath: it becomes beneath's transient, which
// the window manager never lets beneath cover and lifts together with it
// (on Windows, an owned window). A null beneath frees it. Shown or hidden.
void keepInFrontOf(QWidget *window, QWidget *beneath);

// Lists a top-level window in the taskbar, the pager and window switching
// (Alt+Tab), or leaves it out of them; shown or hidden. It does nothing
// where the window system has no such lists, or leaves them to ownership.
void setInWindowLists(QWidget *window, bool listed);
