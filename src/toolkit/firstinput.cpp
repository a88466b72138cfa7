#include "toolkit/firstinput.h"

#include <QCoreApplication>
#include <QEvent>

namespace {
class FirstInputWatch : public QObject {
public:
    explicit FirstInputWatch(std::function<void()> action) : action_(std::move(action)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
        case QEvent::TouchBegin:
        case QEvent::TabletPress:
            if (action_) {
                const std::function<void()> action = std::move(action_);
                action_ = nullptr;
                deleteLater();
                action();
            }
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};
} // namespace

void onFirstUserInput(std::function<void()> action)
{
    auto *watch = new FirstInputWatch(std::move(action));
    watch->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(watch);
}
