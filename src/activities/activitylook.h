#pragma once
// Colours and label shapes the activity screens share, so each screen's
// table lists only what differs.
#include "toolkit/label.h"

#include <QColor>

namespace activitylook {
inline const QColor yellow{255, 255, 0};
inline const QColor green{0, 255, 0};
inline const QColor lightCyan{128, 255, 255};
inline const QColor black{0, 0, 0};

inline const FontDesign buttonFont{QStringLiteral("Tahoma"), 15.75, true};

// A caption drawn straight on the screen's background.
inline LabelDesign text(int index, const QString &caption, double left, double top, double width, double height,
                      FontDesign font, QColor fore, Qt::Alignment alignment, bool wrap = true)
{
    LabelDesign s;
    s.index = index;
    s.caption = caption;
    s.left = left, s.top = top, s.width = width, s.height = height;
    s.font = std::move(font);
    s.foreColor = fore;
    s.alignment = alignment;
    s.wordWrap = wrap;
    return s;
}

inline LabelDesign text(const QString &caption, double left, double top, double width, double height, FontDesign font,
                      QColor fore, Qt::Alignment alignment, bool wrap = true)
{
    return text(-1, caption, left, top, width, height, std::move(font), fore, alignment, wrap);
}

// Yellow text on black with a thin border: buttons, labels and boxes at design.
inline LabelDesign boxed(int index, const QString &caption, double left, double top, double width, double height,
                       FontDesign font, bool visible = true)
{
    LabelDesign s = text(index, caption, left, top, width, height, std::move(font), yellow, Qt::AlignHCenter, false);
    s.backColor = black;
    s.backStyle = BackStyle::Opaque;
    s.border = true;
    s.visible = visible;
    return s;
}
} // namespace activitylook
