#pragma once
// What SAVEDC saves and RESTOREDC brings back: the mapping, the selected
// objects, colours and modes, the current position and the clip region.
#include "wmf/gdiobjects.h"
#include "wmf/mapping.h"

#include <QRegion>
#include <QPointF>
#include <QRectF>
#include <memory>

namespace wmf {

enum BackgroundMode { TRANSPARENT = 1, OPAQUE = 2 };
enum PolyFillMode { ALTERNATE = 1, WINDING = 2 };
enum StretchMode { BLACKONWHITE = 1, WHITEONBLACK = 2, COLORONCOLOR = 3, HALFTONE = 4 };
enum Rop2 {
    R2_BLACK = 1, R2_NOTMERGEPEN, R2_MASKNOTPEN, R2_NOTCOPYPEN, R2_MASKPENNOT, R2_NOT, R2_XORPEN, R2_NOTMASKPEN,
    R2_MASKPEN, R2_NOTXORPEN, R2_NOP, R2_MERGENOTPEN, R2_COPYPEN, R2_MERGEPENNOT, R2_MERGEPEN, R2_WHITE
};
enum TextAlign {
    TA_UPDATECP = 0x0001,
    TA_RIGHT = 0x0002,
    TA_CENTER = 0x0006,
    TA_BOTTOM = 0x0008,
    TA_BASELINE = 0x0018,
    TA_HORIZONTAL_MASK = 0x0006,
    TA_VERTICAL_MASK = 0x0018,
};

// The clip region in clip units (target coordinates times the player's clip
// scale, so that one unit is at most one device pixel). GDI keeps the clip in
// device units: a later change of mapping does not move it. A region of
// rectangles keeps every clip operation fast however many there are.
struct Clip {
    bool active = false;
    QRegion region;

    bool isEmpty() const { return active && region.isEmpty(); }
};

struct DeviceContext {
    Mapping mapping;
    Pen pen;
    Brush brush;
    Font font;
    std::shared_ptr<const Palette> palette;
    uint32_t textColor = 0x000000;
    uint32_t backgroundColor = 0xFFFFFF;
    int backgroundMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    int polyFillMode = ALTERNATE;
    int stretchMode = BLACKONWHITE;
    int textAlign = 0;
    int charExtra = 0;
    QPointF position;
    Clip clip;
};

} // namespace wmf
