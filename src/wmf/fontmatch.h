#pragma once
// Windows face names in metafiles to installed families with similar metrics
// (Liberation, DejaVu, and the Tahoma that Wine ships).
#include <QHash>
#include <QString>

namespace wmf {

struct Font;

// The installed family to draw a face with. Symbol text is already turned
// into Unicode, so it needs a face that has Greek letters and maths signs.
QString familyForFace(const QString &face, bool symbol);

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
