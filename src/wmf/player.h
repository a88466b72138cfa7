#pragma once
// Plays a parsed metafile's records onto a QPainter, as GDI would play them
// onto a device whose viewport is the target rectangle. All coordinates are
// mapped to target (painter) coordinates, so text stays upright and pen
// widths stay round whatever the window extents do.
#include "wmf/playback.h"

namespace wmf {

class Player {
public:
    Player(const ParsedMetafile &metafile, QPainter &painter, const QRectF &target);
    void play();

private:
    Playback playback_;
};

} // namespace wmf
