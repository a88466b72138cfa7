#pragma once
// Screens: named top-level windows that exist at most once. Touching a screen
// that is not loaded creates it and runs its load handler; showing it puts it
// on top without blocking; unloading discards it with all its control state,
// so the next touch builds it afresh. Unloading from inside one of the
// screen's own handlers is safe: the window is hidden at once and destroyed
// once the handler has returned.
#include "toolkit/mousecontrol.h"

#include <QColor>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <vector>

class Screen : public QWidget {
    Q_OBJECT
public:
    explicit Screen(const QString &name);
    ~Screen() override;

    QString screenName() const { return objectName(); }
    // Makes this screen a backdrop: a frameless window that stays behind the
    // other screens, takes no focus, is left out of the taskbar and window
    // switching, and never counts as the one on top.
    void makeBackdrop();
    bool isBackdrop() const { return backdrop_; }

    // Shows the screen without blocking and brings it to the top. A backdrop
    // stays at the bottom: showing it covers the screens open by hiding them,
    // until each is shown again.
    void showScreen();
    // Hides and discards the screen; the next touch loads it again.
    void unload();
    // Increases each time a screen is shown; the highest visible one is on top.
    quint64 showOrder() const { return showOrder_; }

    void setCaption(const QString &caption) { setWindowTitle(caption); }
    void setBackColor(const QColor &color);
    QColor backColor() const;
    // Client size in twips; the window cannot be resized by the user.
    void setClientSizeTwips(double width, double height);
    QSizeF clientSizeTwips() const;
    // Window position in twips, held in single precision.
    void setPositionTwips(float left, float top);

    // A control of this screen by its name ("Picture1"), or null.
    QWidget *control(const QString &name) const;

    // Pointer moves over the screen's own background.
    std::function<void(const MouseState &)> onMouseMove;

    // Runs the load handler; called once by the registry after creation.
    void runLoad() { load(); }
    void setSlotReset(std::function<void()> reset) { resetSlot_ = std::move(reset); }
    // Stands in front of beneath (null: of no screen); only the screen on
    // top is listed in the taskbar.
    void stackOn(Screen *beneath, bool onTop);

protected:
    virtual void load() {}
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void showBackdrop();

    std::function<void()> resetSlot_;
    bool unloaded_ = false;
    bool backdrop_ = false;
    quint64 showOrder_ = 0;
    // What the window system was last told by stackOn, while shown.
    bool stacked_ = false;
    QPointer<Screen> beneath_;
    bool listed_ = false;
};

namespace screens {

template <class S>
S *&slot()
{
    static S *instance = nullptr;
    return instance;
}

void track(Screen *screen);
void untrack(Screen *screen);
// Every loaded screen, oldest first.
std::vector<Screen *> loaded();
// The visible screen shown last (the one on top), or null; backdrops do not count.
Screen *topmost();
// Stacks the shown screens (and `showing`, about to be shown) in the order
// they were shown, each in front of the one before; only the top one is in
// the taskbar. So the program is one entry, and a covered screen cannot
// come in front of a screen that covers it.
void restack(Screen *showing = nullptr);
// Unloads every screen and destroys them now (tests, program end).
void unloadAll();

} // namespace screens

// The one instance of screen S. Touching a screen that is not loaded loads it
// and runs its load handler first.
template <class S>
S &touch()
{
    S *&instance = screens::slot<S>();
    if (!instance) {
        instance = new S;
        instance->setSlotReset([] { screens::slot<S>() = nullptr; });
        screens::track(instance);
        instance->runLoad();
    }
    return *instance;
}

template <class S>
bool isLoaded()
{
    return screens::slot<S>() != nullptr;
}

// Screens of one kind that exist once per key (one per topic unit, say):
// touching key k loads a screen built from args, unless the one of key k is
// loaded already.
namespace screens {
template <class S>
std::map<QString, S *> &keyedSlots()
{
    static std::map<QString, S *> instances;
    return instances;
}
} // namespace screens

template <class S, class... Args>
S &touchKeyed(const QString &key, Args &&...args)
{
    auto &instances = screens::keyedSlots<S>();
    if (!instances.count(key)) {
        S *instance = new S(std::forward<Args>(args)...);
        instances[key] = instance;
        instance->setSlotReset([key] { screens::keyedSlots<S>().erase(key); });
        screens::track(instance);
        instance->runLoad();
    }
    return *instances.at(key);
}
