#pragma once
// The standard button label of the content screens: 495 twips high, bold
// Tahoma 15.75 pt, yellow on black with a border, centred; transparent until
// the pointer lights it.
#include "shell/colours.h"
#include "toolkit/label.h"

inline LabelDesign buttonLabel(int index, const QString &caption, double left, double top, double width)
{
    LabelDesign s;
    s.index = index;
    s.caption = caption;
    s.left = left, s.top = top, s.width = width, s.height = 495;
    s.font = {QStringLiteral("Tahoma"), 15.75, true};
    s.foreColor = colours::text;
    s.backColor = colours::black;
    s.border = true;
    s.alignment = Qt::AlignHCenter;
    return s;
}
