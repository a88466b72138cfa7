#pragma once
// The controls of Velmora's screens as rows of a design table: text drawn
// straight on a screen, the standard button label, and input controls, in
// the program's own fonts and colours. Each screen lists its controls with
// these, so a screen differs from another only in its rows.
#include "common/colours.h"
#include "toolkit/inputs.h"
#include "toolkit/label.h"

namespace fonts {
inline FontDesign tahoma(double points, bool bold = true) { return {QStringLiteral("Tahoma"), points, bold}; }
inline FontDesign times(double points, bool bold = false) { return {QStringLiteral("Times New Roman"), points, bold}; }
// The standard button label's face.
inline const FontDesign button = tahoma(15.75);
} // namespace fonts

// Text drawn straight on the screen's background (transparent), centred
// unless told otherwise.
LabelDesign textLabel(const QString &caption, double left, double top, double width, double height,
                      const FontDesign &font, const QColor &fore = colours::text,
                      Qt::Alignment alignment = Qt::AlignHCenter);

// The standard button label: bold Tahoma, yellow on black with a thin
// border, centred; transparent until the pointer lights it. Buttons of one
// screen form one array, so each has its index. It is a button to the
// keyboard and to screen readers too.
LabelDesign buttonLabel(int index, const QString &caption, double left, double top, double width,
                        double height = 495, const FontDesign &font = fonts::button);

// An option button, check box, text box or push button.
InputDesign inputDesign(const QString &caption, double left, double top, double width, double height,
                        const FontDesign &font, const QColor &fore = colours::text,
                        const QColor &back = colours::screenBack);
