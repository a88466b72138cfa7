#pragma once
// Which records draw, and the logical rectangle each touches. Used to find a
// picture's frame when the file names none.
#include "wmf/bytereader.h"

#include <QPointF>
#include <QRectF>
#include <cstdint>
#include <optional>

namespace wmf {

bool isDrawingRecord(uint16_t function);

// The logical rectangle a drawing record touches (text counts by its
// reference point only). position is the current position, which MOVETO and
// LINETO move.
std::optional<QRectF> drawingExtent(uint16_t function, ByteReader params, QPointF &position);

} // namespace wmf
