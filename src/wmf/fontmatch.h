#pragma once
// Windows face names in metafiles to installed families with similar metrics
// (Liberation, DejaVu, and the Tahoma that Wine ships); familyForFace is
// declared in wmf.h.
#include "wmf/wmf.h"

#include <QHash>
#include <QString>

namespace wmf {

struct Font;

// What drawing text in a face needs to know about it.
struct FaceInfo {
    QString family;
    double emPerCell = 1.0; // em size per cell height (ascent + descent)
};

// Faces measured once per playback: a file draws many texts in few faces.
class FaceCache {
public:
    const FaceInfo &info(const Font &font);

private:
    QHash<QString, FaceInfo> faces_;
};

} // namespace wmf
