#pragma once
// Finding where a picture lies and how big it is: from the placeable header's
// bounding box, else from the window a non-placeable file sets up before it
// first draws, else from the bounds of what it draws.
#include "wmf/parsedmetafile.h"

namespace wmf {

Frame computeFrame(const ParsedMetafile &metafile);

} // namespace wmf
