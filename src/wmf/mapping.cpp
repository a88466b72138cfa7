#include "wmf/mapping.h"

#include <algorithm>
#include <cmath>

namespace wmf {

double twipsPerLogicalUnit(int mode)
{
    switch (mode) {
    case MM_LOMETRIC: return 1440.0 / 254.0;   // 0.1 mm
    case MM_HIMETRIC: return 1440.0 / 2540.0;  // 0.01 mm
    case MM_LOENGLISH: return 14.4;            // 0.01 inch
    case MM_HIENGLISH: return 1.44;            // 0.001 inch
    case MM_TWIPS: return 1.0;
    default: return 0.0;
    }
}

AxisAffine logicalToDevice(const Mapping &m, double deviceUnitTwips)
{
    double sx = 1.0, sy = 1.0;
    const double unit = twipsPerLogicalUnit(m.mode);
    if (unit > 0.0 && deviceUnitTwips > 0.0) {
        sx = unit / deviceUnitTwips;
        sy = -sx; // metric modes grow upwards
    } else if (m.mode == MM_ISOTROPIC || m.mode == MM_ANISOTROPIC) {
        sx = m.viewportExt.x() / m.windowExt.x();
        sy = m.viewportExt.y() / m.windowExt.y();
        if (m.mode == MM_ISOTROPIC) {
            // GDI shrinks the larger scale so that one unit is square.
            const double s = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(s, sx);
            sy = std::copysign(s, sy);
        }
        if (!std::isfinite(sx) || !std::isfinite(sy)) {
            sx = 1.0;
            sy = 1.0;
        }
    }
    AxisAffine a;
    a.x = {sx, m.viewportOrg.x() - m.windowOrg.x() * sx};
    a.y = {sy, m.viewportOrg.y() - m.windowOrg.y() * sy};
    return a;
}

bool setExtent(QPointF &extent, double x, double y)
{
    if (x == 0.0 || y == 0.0)
        return false;
    extent = {x, y};
    return true;
}

bool scaleExtent(QPointF &extent, double xNum, double xDen, double yNum, double yDen)
{
    if (xDen == 0.0 || yDen == 0.0)
        return false;
    const double x = extent.x() * xNum / xDen;
    const double y = extent.y() * yNum / yDen;
    // Extents stay within what GDI can hold, so a chain of scalings cannot run away.
    if (x == 0.0 || y == 0.0 || std::abs(x) > 1e9 || std::abs(y) > 1e9)
        return false;
    extent = {x, y};
    return true;
}

} // namespace wmf
