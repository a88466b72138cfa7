#pragma once
// One mapping from twips (1/1440 inch) to pixels for every position, size,
// font and picture: 15 twips to the pixel at scale 1. The scale shrinks
// whole screens to fit small displays or enlarges them for whiteboards
// (screenfit.h chooses it); it is set before screens are built.
#include <QRect>
#include <QRectF>

class QFont;
class QWidget;

namespace twips {

constexpr double perPixel = 15.0;

double scale();
void setScale(double factor);

int toPixels(double twips);
double fromPixels(double pixels);
// Edges are rounded, not sizes, so neighbouring controls never gap or overlap.
QRect rectToPixels(const QRectF &twipsRect);
// Gives a font the size in points (1 point = 20 twips) at the current scale:
// its whole-pixel size at 1:1 times the scale, to the whole pixel below.
void sizeFont(QFont &font, double points);

// Every control remembers its exact position in twips; the pixel geometry is
// derived from it, so reading Left or Top back never suffers rounding.
void place(QWidget *widget, const QRectF &twipsRect);
QRectF geometryOf(const QWidget *widget);

} // namespace twips
