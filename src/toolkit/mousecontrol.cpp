#include "toolkit/mousecontrol.h"
#include "toolkit/accessibility.h"
#include "toolkit/keyboard.h"
#include "toolkit/twips.h"

#include <QMouseEvent>
#include <QPointer>

MouseState mouseStateFrom(const QMouseEvent *event, const QWidget *control)
{
    QPointF rounding;
    if (control && !control->isWindow())
        rounding = QPointF(twips::fromPixels(control->x()), twips::fromPixels(control->y())) -
                   twips::geometryOf(control).topLeft();
    MouseState s;
    s.button = event->button();
    s.buttons = event->buttons();
    s.modifiers = event->modifiers();
    s.x = twips::fromPixels(event->position().x()) + rounding.x();
    s.y = twips::fromPixels(event->position().y()) + rounding.y();
    return s;
}

MouseControl::MouseControl(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    installAccessibility();
    watchKeyboardUse();
}

double MouseControl::left() const { return twips::geometryOf(this).left(); }
double MouseControl::top() const { return twips::geometryOf(this).top(); }
double MouseControl::width() const { return twips::geometryOf(this).width(); }
double MouseControl::height() const { return twips::geometryOf(this).height(); }

void MouseControl::moveTo(double l, double t)
{
    const QRectF g = twips::geometryOf(this);
    twips::place(this, QRectF(l, t, g.width(), g.height()));
}
void MouseControl::setGeometryTwips(double l, double t, double w, double h) { twips::place(this, QRectF(l, t, w, h)); }

void MouseControl::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseMoved(mouseStateFrom(event, this));
}

void MouseControl::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        leftPressedInside_ = true;
    emit mousePressed(mouseStateFrom(event, this));
}

void MouseControl::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const bool click = event->button() == Qt::LeftButton && leftPressedInside_ && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        leftPressedInside_ = false;
    // The release is reported first: a screen may move or hide the control in it.
    QPointer<MouseControl> self(this);
    emit mouseReleased(mouseStateFrom(event, this));
    if (click && self)
        emit clicked();
}
