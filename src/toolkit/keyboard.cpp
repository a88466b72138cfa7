#include "toolkit/keyboard.h"
#include "toolkit/heldkeys.h"
#include "toolkit/mousecontrol.h"
#include "toolkit/screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <vector>

namespace {
bool keyboardInUse = false;

// A window's key handlers live in a child object, so they go with the window.
const QString kBindingsName = QStringLiteral("keyBindings");

class KeyBindings : public QObject {
public:
    explicit KeyBindings(QObject *window) : QObject(window) { setObjectName(kBindingsName); }
    std::vector<KeyHandler> handlers;
};

KeyBindings *bindingsOf(const QWidget *window)
{
    return dynamic_cast<KeyBindings *>(window->findChild<QObject *>(kBindingsName, Qt::FindDirectChildrenOnly));
}

void showFocusMarks(QWidget *window, bool shown)
{
    if (window->testAttribute(Qt::WA_KeyboardFocusChange) == shown)
        return;
    window->setAttribute(Qt::WA_KeyboardFocusChange, shown);
    if (QWidget *focus = window->focusWidget())
        focus->update();
}

// When the window on top closes, the window system may hand the keyboard to
// the backdrop or to nothing; the screen now on top takes it instead.
void keyboardToTopScreen()
{
    const QWidget *active = QApplication::activeWindow();
    if (active && active->isVisible())
        return;
    if (Screen *top = screens::topmost())
        top->activateWindow();
}

// A held key acts once: its repeats go nowhere, so holding Escape leaves one
// screen and holding Enter presses one button, whichever screen has the
// keyboard while the key is held. Only typing and deleting in a text box
// repeat, as everywhere else.
bool repeatGoesNowhere(const QObject *receiver, const QKeyEvent &key)
{
    const int k = key.key();
    const bool actsOnScreen = k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Escape ||
                              k == Qt::Key_Tab || k == Qt::Key_Backtab;
    return !qobject_cast<const QLineEdit *>(receiver) || actsOnScreen;
}

class KeyboardWatch : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ApplicationDeactivate)
            heldKeys_.forget();
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget)
            return false;
        switch (event->type()) {
        case QEvent::KeyRelease: {
            const auto &key = static_cast<QKeyEvent &>(*event);
            heldKeys_.released(key);
            return key.isAutoRepeat() && repeatGoesNowhere(widget, key);
        }
        case QEvent::KeyPress:
            if (heldKeys_.pressRepeats(static_cast<QKeyEvent &>(*event)) &&
                repeatGoesNowhere(widget, static_cast<QKeyEvent &>(*event)))
                return true;
            keyboardInUse = true;
            showFocusMarks(widget->window(), true);
            return handledByWindow(widget->window(), static_cast<QKeyEvent &>(*event));
        case QEvent::MouseButtonPress:
            keyboardInUse = false;
            showFocusMarks(widget->window(), false);
            return false;
        case QEvent::WindowActivate:
            showFocusMarks(widget, keyboardInUse);
            return false;
        case QEvent::Hide:
            if (widget->isWindow())
                QTimer::singleShot(0, widget, &keyboardToTopScreen);
            return false;
        default:
            return false;
        }
    }

private:
    HeldKeys heldKeys_;

    static bool handledByWindow(QWidget *window, const QKeyEvent &key)
    {
        const KeyBindings *bindings = bindingsOf(window);
        if (!bindings)
            return false;
        // A handler may close the window: work on a copy.
        const std::vector<KeyHandler> handlers = bindings->handlers;
        for (const KeyHandler &handler : handlers)
            if (handler(key))
                return true;
        return false;
    }
};
} // namespace

void watchKeyboardUse()
{
    static KeyboardWatch *watch = nullptr;
    if (watch || !qApp)
        return;
    askForHeldKeysAsRepeatedPresses();
    watch = new KeyboardWatch;
    watch->setParent(qApp);
    qApp->installEventFilter(watch);
}

void bindKeys(QWidget *window, KeyHandler handler)
{
    watchKeyboardUse();
    KeyBindings *bindings = bindingsOf(window);
    if (!bindings)
        bindings = new KeyBindings(window);
    bindings->handlers.push_back(std::move(handler));
}

void keyPresses(QWidget *window, int key, QWidget *control, std::function<bool()> when)
{
    QPointer<QWidget> target(control);
    bindKeys(window, [key, target, when](const QKeyEvent &pressed) {
        if (pressed.key() != key || !target || (when && !when()))
            return false;
        if (!pressed.isAutoRepeat())
            pressControl(target);
        return true;
    });
}

void escapePresses(QWidget *window, QWidget *exit, std::function<bool()> when)
{
    keyPresses(window, Qt::Key_Escape, exit, std::move(when));
}

void pressControl(QWidget *control)
{
    if (!control || !control->isEnabled() || !control->isVisibleTo(control->window()))
        return;
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->click();
    else if (auto *mouseControl = qobject_cast<MouseControl *>(control))
        emit mouseControl->clicked();
}

bool focusMarkShown(const QWidget *widget)
{
    return widget->hasFocus() && widget->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void setTabSequence(const QList<QWidget *> &controls)
{
    QWidget *previous = nullptr;
    for (QWidget *control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}
