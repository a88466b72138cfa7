#include "toolkit/display.h"
#include "toolkit/screen.h"
#include "toolkit/twips.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

namespace {
QSizeF &displayOverride()
{
    static QSizeF size;
    return size;
}
std::function<void()> &endHandler()
{
    static std::function<void()> f;
    return f;
}
} // namespace

QSizeF displaySizeTwips()
{
    if (!displayOverride().isEmpty())
        return displayOverride();
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize px = screen ? screen->geometry().size() : QSize(800, 600);
    return QSizeF(twips::fromPixels(px.width()), twips::fromPixels(px.height()));
}

void setDisplaySizeOverride(const QSizeF &twipsSize) { displayOverride() = twipsSize; }

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
