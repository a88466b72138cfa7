#include "activities/dragdriver.h"
#include "support/testenv.h"
#include "toolkit/twips.h"

#include <QApplication>
#include <QMouseEvent>
#include <QtTest>

void movePointer(QWidget *widget, QPointF at, Qt::MouseButtons buttons)
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, buttons, {});
    QApplication::sendEvent(widget, &move);
}

namespace {
// The pointer position, relative to the label as it stands now, that puts its
// corner at (left, top): the engine centres the label on the pointer.
QPointF pointerFor(const Label *label, double left, double top)
{
    const double perPixel = twips::fromPixels(1);
    return QPointF((left - label->left() + label->width() / 2) / perPixel,
                   (top - label->top() + label->height() / 2) / perPixel);
}
} // namespace

void dragLabelWithoutRelease(Label *label, double left, double top, int steps)
{
    const QPointF start = cornerOf(label);
    pressOn(label, label->rect().center());
    for (int i = 1; i <= steps; ++i) {
        const double f = double(i) / steps;
        const double l = start.x() + (left - start.x()) * f;
        const double t = start.y() + (top - start.y()) * f;
        movePointer(label, pointerFor(label, l, t), Qt::LeftButton);
    }
}

void dragLabelTo(Label *label, double left, double top)
{
    dragLabelWithoutRelease(label, left, top);
    releaseOn(label, label->rect().center());
}

void dragIntoBox(DragActivity &screen, int labelIndex, int boxIndex)
{
    const Label *box = screen.Label1[boxIndex];
    dragLabelTo(screen.Label2[labelIndex], box->left(), box->top());
}

void clickLabel(Label *label, Qt::MouseButton button)
{
    pressOn(label, label->rect().center(), button);
    releaseOn(label, label->rect().center(), button);
}

QPointF cornerOf(const Label *label) { return QPointF(label->left(), label->top()); }
