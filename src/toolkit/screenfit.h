#pragma once
// Fitting screens to the display. Every screen, control, font and picture is
// sized through the one twips scale; this chooses it so that a screen with
// its window frame fits the part of the display that panels and taskbars
// leave free, keeping the screen's shape. Where a screen fits at 1:1 the
// scale stays 1, or the display's zoom (Windows at 125 %, 150 %), unless the
// display is to be filled (a whiteboard).
#include <QMargins>
#include <QPoint>
#include <QSize>
#include <QSizeF>

class QWidget;

namespace screenfit {

// The largest scale at which a screen of screenTwips, framed by frame
// (pixels), fits into available pixels; never above the display's zoom
// (1 at 96 dpi) unless fill.
double scaleFor(const QSizeF &screenTwips, const QMargins &frame, const QSize &available, bool fill);

// Sets the twips scale for screens of screenTwips on this display, assuming
// no window frame until one has been measured.
void fitScreens(const QSizeF &screenTwips, bool fill);
// Measures the frame the window manager put round a window on show and
// chooses the scale again for the screens fitScreens was given (if any).
// Screens built from then on take the new scale.
void refitWithFrameOf(const QWidget *window);
// Forgets the measured frame, as before any window was shown.
void forgetFrame();

// The frame's top-left corner for a window of clientSize wanted at `wanted`,
// moved as little as needed to keep the window and its frame inside the
// free part of the display (its top-left part when it is larger).
QPoint keepInside(QPoint wanted, const QSize &clientSize);

} // namespace screenfit
