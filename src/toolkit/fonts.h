#pragma once
// Fonts named as a Windows classroom PC names them, mapped to installed faces
// with matching metrics where the original is missing (the same mapping the
// metafile pictures use).
#include <QFont>
#include <QString>

struct FontDesign {
    QString name = QStringLiteral("Tahoma");
    double points = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// The installed family that stands in for a Windows family name.
QString resolveFontFamily(const QString &windowsName);
// A QFont at the twips mapping's pixel size. Bold in a family without a bold
// face of its own is drawn by thickening the regular letters, with the room
// their thicker strokes take.
QFont makeFont(const FontDesign &design);
// Whether the font is bold in such a family, so that its letters are thickened.
bool boldIsDrawn(const QFont &font);
// Symbol-font text: Latin letters become the Greek letters of the same code.
QString symbolToGreek(const QString &latin);
