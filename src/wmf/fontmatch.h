#pragma once
// Windows face names in metafiles to installed families with similar metrics
// (Liberation, DejaVu, and the Tahoma that Wine ships).
#include <QString>

namespace wmf {

// The installed family to draw a face with. Symbol text is already turned
// into Unicode, so it needs a face that has Greek letters and maths signs.
QString familyForFace(const QString &face, bool symbol);

} // namespace wmf
