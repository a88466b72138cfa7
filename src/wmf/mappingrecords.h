#pragma once
// The records that change the coordinate mapping, shared by the player and by
// the frame scan that runs before any drawing.
#include "wmf/bytereader.h"
#include "wmf/mapping.h"

#include <cstdint>

namespace wmf {

// Applies the record to the mapping if it is one of the mapping records;
// returns false (mapping untouched) for every other record.
bool applyMappingRecord(Mapping &mapping, uint16_t function, ByteReader params);

} // namespace wmf
