#include "toolkit/display.h"
#include "toolkit/screen.h"
#include "toolkit/twips.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace {
struct DisplayOverride {
    QSize size;
    QRect available;
};
DisplayOverride &displayOverride()
{
    static DisplayOverride display;
    return display;
}
std::function<void()> &endHandler()
{
    static std::function<void()> f;
    return f;
}
} // namespace

void scaleDisplayInWholeSteps()
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::RoundPreferFloor);
}

double displayZoom()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!displayOverride().size.isEmpty() || !screen)
        return 1.0;
    return std::max(1.0, screen->logicalDotsPerInch() / 96.0);
}

QSizeF displaySizeTwips()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize px = !displayOverride().size.isEmpty() ? displayOverride().size
                     : screen                           ? screen->geometry().size()
                                                        : QSize(800, 600);
    return QSizeF(twips::fromPixels(px.width()), twips::fromPixels(px.height()));
}

QRect availableAreaPixels()
{
    const DisplayOverride &o = displayOverride();
    if (!o.size.isEmpty())
        return o.available.isEmpty() ? QRect(QPoint(0, 0), o.size) : o.available;
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

void setDisplayOverride(const QSize &pixels, const QRect &available) { displayOverride() = {pixels, available}; }

void showBusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
void showDefaultPointer()
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void endProgram()
{
    if (endHandler()) {
        endHandler()();
        return;
    }
    screens::unloadAll();
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

void setProgramEndHandler(std::function<void()> handler) { endHandler() = std::move(handler); }
