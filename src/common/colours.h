#pragma once
// Velmora's colours, named once.
#include <QColor>

namespace colours {
// Every content screen: its background, its text, its picture boxes.
inline const QColor screenBack{39, 63, 137};
inline const QColor text{255, 255, 0};
inline const QColor pictureBack{49, 135, 214};
// The backdrop behind the screens, and the acknowledgments page.
inline const QColor backdrop{48, 133, 214};
inline const QColor acknowledgmentsBack{49, 130, 212};
// The tick boxes of the wizard and the catalogue.
inline const QColor tickBack{0, 78, 152};

inline const QColor black{0, 0, 0};
inline const QColor white{255, 255, 255};
inline const QColor navy{0, 0, 128};
inline const QColor blue{0, 0, 255};
inline const QColor red{255, 0, 0};
inline const QColor green{0, 255, 0};
inline const QColor darkGreen{0, 128, 0};
inline const QColor lightCyan{128, 255, 255};
inline const QColor lavender{128, 128, 255};
inline const QColor lightGrey{192, 192, 192};
} // namespace colours
