#pragma once
// What the program needs to know of the machine it runs on: the display's
// size for centring, the part of it that panels leave free, the busy
// pointer, and how the program ends. Each can be replaced in tests.
#include <QRect>
#include <QSizeF>
#include <functional>

// Call before the application object is made. Qt then scales windows on a
// high-resolution display by whole steps only (a 150 % display by 1, a 200 %
// one by 2), and displayZoom() is what remains: the twips scale applies it
// with whole-pixel edges and font sizes, crisper than fractional scaling.
void scaleDisplayInWholeSteps();
// How much larger than at 96 dpi the display asks things to be drawn, beyond
// Qt's own scaling (1.5 on Windows at 150 %); 1 for a display override.
double displayZoom();

// The primary display's size in twips.
QSizeF displaySizeTwips();
// The part of the primary display that windows may use, in pixels: the
// desktop less panels and taskbars.
QRect availableAreaPixels();
// Fixes the display's size and its free part in pixels (tests); an empty
// free part means the whole display, an empty size restores the real ones.
void setDisplayOverride(const QSize &pixels, const QRect &available = {});

void showBusyPointer();
void showDefaultPointer();

// Ends the program at once: every window closes, nothing is saved.
void endProgram();
// Replaces the end of the program (tests); an empty function restores it.
void setProgramEndHandler(std::function<void()> handler);
