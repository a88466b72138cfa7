#include "common/designs.h"

LabelDesign textLabel(const QString &caption, double left, double top, double width, double height,
                      const FontDesign &font, const QColor &fore, Qt::Alignment alignment)
{
    LabelDesign d;
    d.caption = caption;
    d.left = left, d.top = top, d.width = width, d.height = height;
    d.font = font;
    d.foreColor = fore;
    d.backColor = colours::screenBack;
    d.alignment = alignment;
    return d;
}

LabelDesign buttonLabel(int index, const QString &caption, double left, double top, double width, double height,
                        const FontDesign &font)
{
    LabelDesign d = textLabel(caption, left, top, width, height, font);
    d.index = index;
    d.backColor = colours::black;
    d.border = true;
    d.role = QAccessible::Button;
    return d;
}

InputDesign inputDesign(const QString &caption, double left, double top, double width, double height,
                        const FontDesign &font, const QColor &fore, const QColor &back)
{
    InputDesign d;
    d.caption = caption;
    d.left = left, d.top = top, d.width = width, d.height = height;
    d.font = font;
    d.foreColor = fore;
    d.backColor = back;
    return d;
}
