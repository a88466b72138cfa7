#pragma once
// The pens and brushes of the device context as Qt pens and brushes, under
// the context's binary raster operation.
#include "wmf/playback.h"

#include <QBrush>
#include <QPen>
#include <optional>

namespace wmf {

bool isDashed(int lineStyle);
// A solid colour as the binary raster operation turns it (black, white and
// inverted pens need no raster device).
QColor ropAdjusted(QRgb rgb, int rop2);
// The composition mode that performs the operation, where the device can.
QPainter::CompositionMode compositionForRop2(int rop2, bool rasterOps);

// The pen's width in target units: never thinner than one picture pixel.
double penWidth(const Playback &playback);
std::optional<QPen> currentPen(const Playback &playback);
std::optional<QBrush> currentBrush(const Playback &playback);
QBrush brushFor(const Playback &playback, const Brush &brush);

} // namespace wmf
