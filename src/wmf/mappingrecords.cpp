#include "wmf/mappingrecords.h"
#include "wmf/records.h"

namespace wmf {

bool applyMappingRecord(Mapping &m, uint16_t function, ByteReader in)
{
    switch (function) {
    case META_SETMAPMODE: {
        const int mode = in.u16();
        if (in.ok() && mode >= MM_TEXT && mode <= MM_ANISOTROPIC)
            m.mode = mode;
        return true;
    }
    case META_SETWINDOWORG:
    case META_SETVIEWPORTORG:
    case META_OFFSETWINDOWORG:
    case META_OFFSETVIEWPORTORG: {
        const double y = in.i16();
        const double x = in.i16();
        if (!in.ok())
            return true;
        QPointF &org = (function == META_SETWINDOWORG || function == META_OFFSETWINDOWORG) ? m.windowOrg : m.viewportOrg;
        if (function == META_SETWINDOWORG || function == META_SETVIEWPORTORG)
            org = {x, y};
        else
            org += QPointF(x, y);
        return true;
    }
    case META_SETWINDOWEXT:
    case META_SETVIEWPORTEXT: {
        const double y = in.i16();
        const double x = in.i16();
        if (in.ok())
            setExtent(function == META_SETWINDOWEXT ? m.windowExt : m.viewportExt, x, y);
        return true;
    }
    case META_SCALEWINDOWEXT:
    case META_SCALEVIEWPORTEXT: {
        const double yDen = in.i16();
        const double yNum = in.i16();
        const double xDen = in.i16();
        const double xNum = in.i16();
        if (in.ok())
            scaleExtent(function == META_SCALEWINDOWEXT ? m.windowExt : m.viewportExt, xNum, xDen, yNum, yDen);
        return true;
    }
    default:
        return false;
    }
}

} // namespace wmf
