#pragma once
// A pupil's hand on an activity screen: presses on a label, moves with the
// button held and releases, all as real Qt pointer events on the widgets.
#include "activities/dragengine.h"

// Sends a pointer move with the given buttons held to `widget`, at a point in
// pixels relative to it (fractions allowed, as high-resolution pointers give).
void movePointer(QWidget *widget, QPointF at, Qt::MouseButtons buttons);

// Press on the label's middle, a few moves with the left button held that end
// with its top-left corner at (left, top) twips; no release.
void dragLabelWithoutRelease(Label *label, double left, double top, int steps = 4);

// The whole gesture: press, moves, release of the left button.
void dragLabelTo(Label *label, double left, double top);

// Drags label `labelIndex` straight onto box `boxIndex` (its corner on the box's corner).
void dragIntoBox(DragActivity &screen, int labelIndex, int boxIndex);

// Press and release on the middle of a label without moving.
void clickLabel(Label *label, Qt::MouseButton button = Qt::LeftButton);

QPointF cornerOf(const Label *label);
