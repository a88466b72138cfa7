#include "toolkit/twips.h"

#include <QFont>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace twips {
namespace {
double currentScale = 1.0;
constexpr char kTwipsProperty[] = "twipsGeometry";
} // namespace

double scale() { return currentScale; }
void setScale(double factor) { currentScale = factor > 0 ? factor : 1.0; }

int toPixels(double t) { return static_cast<int>(std::lround(t * currentScale / perPixel)); }
double fromPixels(double pixels) { return pixels * perPixel / currentScale; }

QRect rectToPixels(const QRectF &r)
{
    const int left = toPixels(r.left());
    const int top = toPixels(r.top());
    return QRect(left, top, toPixels(r.left() + r.width()) - left, toPixels(r.top() + r.height()) - top);
}

void sizeFont(QFont &font, double points)
{
    // Fonts come in whole pixels: rounding up could push a caption out of its
    // box, so a scaled size is rounded down.
    const long atOne = std::max(1L, std::lround(points * 20.0 / perPixel));
    font.setPixelSize(int(std::max(1.0, std::floor(atOne * currentScale + 1e-9))));
}

void place(QWidget *widget, const QRectF &twipsRect)
{
    widget->setProperty(kTwipsProperty, twipsRect);
    widget->setGeometry(rectToPixels(twipsRect));
}

QRectF geometryOf(const QWidget *widget)
{
    const QVariant v = widget->property(kTwipsProperty);
    if (v.isValid())
        return v.toRectF();
    const QRect g = widget->geometry();
    return QRectF(fromPixels(g.x()), fromPixels(g.y()), fromPixels(g.width()), fromPixels(g.height()));
}

} // namespace twips
