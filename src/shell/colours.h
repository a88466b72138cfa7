#pragma once
// The colours every screen shares.
#include <QColor>

namespace colours {
inline const QColor screenBack{39, 63, 137};
inline const QColor backdrop{48, 133, 214};
inline const QColor pictureBack{49, 135, 214};
inline const QColor text{255, 255, 0};
inline const QColor navy{0, 0, 128};
inline const QColor black{0, 0, 0};
inline const QColor lightGrey{192, 192, 192};
} // namespace colours
