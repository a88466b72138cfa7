#pragma once
// Each family of records lists the records it plays and the function that
// plays each; the player looks records up in these lists.
#include "wmf/bytereader.h"
#include "wmf/records.h"

#include <span>

namespace wmf {

struct Playback;

using RecordPlayer = void (*)(Playback &playback, const Record &record, ByteReader params);

struct RecordHandler {
    uint16_t function;
    RecordPlayer play;
    // Draws an icon mask still waiting for its image first: the record draws
    // something else, or changes the clip, the selection or the context.
    bool endsIconMask;
};

std::span<const RecordHandler> stateRecords();  // staterecords.cpp: modes, colours, mapping, saving the context
std::span<const RecordHandler> objectRecords(); // objectrecords.cpp: pens, brushes, fonts, regions, palettes
std::span<const RecordHandler> shapeRecords();  // shaperecords.cpp: lines, polygons, boxes, ellipses, arcs
std::span<const RecordHandler> textRecords();   // textrecords.cpp
std::span<const RecordHandler> blitRecords();   // blitrecords.cpp: pattern fills and bitmaps
std::span<const RecordHandler> clipRecords();   // cliprecords.cpp: clipping and region painting

// blit.cpp: draws an icon mask that waits for its image as a plain mask.
void flushPendingMask(Playback &playback);

} // namespace wmf
