#include "toolkit/line.h"
#include "toolkit/twips.h"

#include <QPainter>
#include <algorithm>

LineControl::LineControl(QWidget *parent, double x1, double y1, double x2, double y2, const QColor &color,
                         int widthPixels)
    : QWidget(parent), x1_(x1), y1_(y1), x2_(x2), y2_(y2), color_(color), width_(widthPixels)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setPoints(x1, y1, x2, y2);
}

void LineControl::setPoints(double x1, double y1, double x2, double y2)
{
    x1_ = x1, y1_ = y1, x2_ = x2, y2_ = y2;
    // The widget spans the line's bounding box plus room for the pen; the
    // pen's width, in pixels at 1:1, grows with the scale like the rest.
    const double pad = (width_ + 1) * twips::perPixel;
    twips::place(this, QRectF(std::min(x1, x2) - pad, std::min(y1, y2) - pad, std::abs(x2 - x1) + 2 * pad,
                              std::abs(y2 - y1) + 2 * pad));
    update();
}

void LineControl::setColor(const QColor &c) { color_ = c; update(); }

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(QPen(color_, width_ * twips::scale()));
    const QPoint origin = pos();
    p.drawLine(QPoint(twips::toPixels(x1_), twips::toPixels(y1_)) - origin,
               QPoint(twips::toPixels(x2_), twips::toPixels(y2_)) - origin);
}
