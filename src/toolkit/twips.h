#pragma once
// One mapping from twips (1/1440 inch) to device pixels for every position,
// size, font and picture: 15 twips to the pixel at scale 1. A later scale
// factor can enlarge whole screens for big classroom displays.
#include <QRect>
#include <QRectF>

class QWidget;

namespace twips {

constexpr double perPixel = 15.0;

double scale();
void setScale(double factor);

int toPixels(double twips);
double fromPixels(double pixels);
// Edges are rounded, not sizes, so neighbouring controls never gap or overlap.
QRect rectToPixels(const QRectF &twipsRect);
// Font size in points (1 point = 20 twips) to a pixel size.
int fontPixels(double points);

// Every control remembers its exact position in twips; the pixel geometry is
// derived from it, so reading Left or Top back never suffers rounding.
void place(QWidget *widget, const QRectF &twipsRect);
QRectF geometryOf(const QWidget *widget);

} // namespace twips
