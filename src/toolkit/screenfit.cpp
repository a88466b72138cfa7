#include "toolkit/screenfit.h"
#include "toolkit/display.h"
#include "toolkit/twips.h"

#include <QWidget>
#include <algorithm>

namespace screenfit {
namespace {
// The frame the window manager put round the last window measured, and
// what was last fitted.
QMargins knownFrame;
QSizeF fittedScreen;
bool filling = false;

QMargins frameOf(const QWidget *window)
{
    const QRect inner = window->geometry();
    const QRect outer = window->frameGeometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
}
} // namespace

double scaleFor(const QSizeF &screenTwips, const QMargins &frame, const QSize &available, bool fill)
{
    const double roomWidth = available.width() - frame.left() - frame.right();
    const double roomHeight = available.height() - frame.top() - frame.bottom();
    const double largest = std::min(roomWidth * twips::perPixel / screenTwips.width(),
                                    roomHeight * twips::perPixel / screenTwips.height());
    if (largest <= 0)
        return 1.0;
    return fill ? largest : std::min(displayZoom(), largest);
}

void fitScreens(const QSizeF &screenTwips, bool fill)
{
    fittedScreen = screenTwips;
    filling = fill;
    twips::setScale(scaleFor(screenTwips, knownFrame, availableAreaPixels().size(), fill));
}

void refitWithFrameOf(const QWidget *window)
{
    if (!window->isVisible() || fittedScreen.isEmpty())
        return;
    knownFrame = frameOf(window);
    fitScreens(fittedScreen, filling);
}

void forgetFrame() { knownFrame = QMargins(); }

QPoint keepInside(QPoint wanted, const QSize &clientSize)
{
    const QRect area = availableAreaPixels();
    const QSize framed = clientSize.grownBy(knownFrame);
    const auto within = [](int want, int low, int high, int length) {
        return std::max(low, std::min(want, high - length));
    };
    return QPoint(within(wanted.x(), area.left(), area.left() + area.width(), framed.width()),
                  within(wanted.y(), area.top(), area.top() + area.height(), framed.height()));
}

} // namespace screenfit
