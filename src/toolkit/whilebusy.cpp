#include "toolkit/whilebusy.h"

#include "toolkit/display.h"

#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QThread>
#include <exception>
#include <memory>

namespace {
// Drops the input a pupil or teacher gives while work runs. Key releases
// pass, so that a key pressed before is known to be up again.
class InputDropper : public QObject {
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return true;
        default:
            return false;
        }
    }
};
} // namespace

void runWhileBusy(const std::function<void()> &work)
{
    auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (!app || QThread::currentThread() != app->thread()) {
        work();
        return;
    }
    std::exception_ptr failure;
    const std::unique_ptr<QThread> worker(QThread::create([&work, &failure] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
    }));
    InputDropper dropper;
    app->installEventFilter(&dropper);
    showBusyPointer();
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    worker->start();
    loop.exec();
    worker->wait();
    showDefaultPointer();
    app->removeEventFilter(&dropper);
    if (failure)
        std::rethrow_exception(failure);
}

void onUserInterfaceThread(std::function<void()> change)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread())
        change();
    else // queued ahead of the worker's end, which ends runWhileBusy's loop
        QMetaObject::invokeMethod(app, std::move(change), Qt::QueuedConnection);
}
