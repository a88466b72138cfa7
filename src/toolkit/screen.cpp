#include "toolkit/screen.h"
#include "toolkit/screenfit.h"
#include "toolkit/timer.h"
#include "toolkit/twips.h"
#include "toolkit/windowlists.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <algorithm>

namespace {
std::vector<Screen *> &loadedScreens()
{
    static std::vector<Screen *> list;
    return list;
}
} // namespace

// Fixed size: on Windows no resizing border, so neither dragging nor snapping resizes a screen.
Screen::Screen(const QString &name)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(name);
    // The window system knows each screen by its name too (end-to-end tests find them so).
    setWindowRole(name);
    setMouseTracking(true);
    setAutoFillBackground(true);
}

Screen::~Screen()
{
    if (!unloaded_ && resetSlot_)
        resetSlot_();
    screens::untrack(this);
}

void Screen::makeBackdrop()
{
    backdrop_ = true;
    // Window managers lift a full-screen window that has the focus above all
    // others, so one click on it would hide every screen: it stays at the
    // bottom and never takes the focus (both are needed).
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint | Qt::WindowDoesNotAcceptFocus);
}

void Screen::showScreen()
{
    static quint64 counter = 0;
    showOrder_ = ++counter;
    if (backdrop_) {
        showBackdrop();
        return;
    }
    // Before showing: the window system reads a window's states when it maps it.
    screens::restack(this);
    show();
    raise();
    activateWindow();
}

void Screen::showBackdrop()
{
    for (Screen *screen : screens::loaded())
        if (screen != this && !screen->isBackdrop())
            screen->hide();
    screens::restack();
    if (!isVisible())
        setInWindowLists(this, false);
    show();
}

void Screen::stackOn(Screen *beneath, bool onTop)
{
    if (!stacked_ || beneath != beneath_)
        keepInFrontOf(this, beneath);
    if (!stacked_ || onTop != listed_)
        setInWindowLists(this, onTop);
    stacked_ = true;
    beneath_ = beneath;
    listed_ = onTop;
}

void Screen::unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    for (Timer *timer : findChildren<Timer *>())
        timer->setEnabled(false);
    if (resetSlot_)
        resetSlot_();
    screens::untrack(this);
    hide();
    deleteLater();
    screens::restack();
}

void Screen::setBackColor(const QColor &color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
}

QColor Screen::backColor() const { return palette().color(QPalette::Window); }

void Screen::setClientSizeTwips(double width, double height)
{
    setFixedSize(twips::toPixels(width), twips::toPixels(height));
}

QSizeF Screen::clientSizeTwips() const { return QSizeF(twips::fromPixels(QWidget::width()), twips::fromPixels(QWidget::height())); }

void Screen::setPositionTwips(float left, float top)
{
    // Never under a panel or over the display's edge.
    move(screenfit::keepInside(QPoint(twips::toPixels(left), twips::toPixels(top)), size()));
}

QWidget *Screen::control(const QString &name) const { return findChild<QWidget *>(name); }

void Screen::mouseMoveEvent(QMouseEvent *event)
{
    if (onMouseMove)
        onMouseMove(mouseStateFrom(event));
}

void Screen::mousePressEvent(QMouseEvent *event) { event->accept(); }

void Screen::closeEvent(QCloseEvent *event)
{
    // Screens are left through their own buttons only.
    event->ignore();
}

void Screen::changeEvent(QEvent *event)
{
    // A covered screen brought forward by the window manager (a click on the
    // taskbar, Alt+Tab) hands the keyboard back to the screen on top.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !backdrop_) {
        Screen *top = screens::topmost();
        if (top && top != this)
            top->activateWindow();
    }
    QWidget::changeEvent(event);
}

void Screen::hideEvent(QHideEvent *event)
{
    // The window manager forgets a hidden window's states: they are told again at the next show.
    stacked_ = false;
    QWidget::hideEvent(event);
}

namespace screens {

void track(Screen *screen) { loadedScreens().push_back(screen); }

void untrack(Screen *screen)
{
    auto &list = loadedScreens();
    list.erase(std::remove(list.begin(), list.end(), screen), list.end());
}

std::vector<Screen *> loaded() { return loadedScreens(); }

void restack(Screen *showing)
{
    std::vector<Screen *> shown;
    for (Screen *s : loadedScreens())
        if (!s->isBackdrop() && (s->isVisible() || s == showing))
            shown.push_back(s);
    std::sort(shown.begin(), shown.end(), [](const Screen *a, const Screen *b) { return a->showOrder() < b->showOrder(); });
    // Bottom up, so that no screen is ever its own ancestor on the way.
    for (size_t i = 0; i < shown.size(); ++i)
        shown[i]->stackOn(i == 0 ? nullptr : shown[i - 1], i + 1 == shown.size());
}

Screen *topmost()
{
    Screen *top = nullptr;
    for (Screen *s : loadedScreens())
        if (s->isVisible() && !s->isBackdrop() && (!top || s->showOrder() > top->showOrder()))
            top = s;
    return top;
}

void unloadAll()
{
    for (Screen *s : loaded())
        s->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace screens
