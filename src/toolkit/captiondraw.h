#pragma once
// Draws a caption as QPainter::drawText(area, flags, text) does, in the
// font and colour given. Qt keeps glyphs up to 64 pixels as images, but
// draws larger ones (a whiteboard's headings) from their outlines at every
// paint: slowly, and without the thickening that makes bold in a family
// without a bold face (fonts.h). Such captions are drawn once, thickened
// where bold is drawn, and kept as an image at their size.
#include <QString>

class QColor;
class QFont;
class QPainter;
class QRect;

void drawCaption(QPainter &painter, const QRect &area, int flags, const QString &text, const QFont &font,
                 const QColor &colour);
