#pragma once
// What the program needs to know of the machine it runs on: the display's
// size for centring, the busy pointer, and how the program ends. Each can be
// replaced in tests.
#include <QSizeF>
#include <functional>

// The primary display's size in twips.
QSizeF displaySizeTwips();
// Fixes the display size (tests); an empty size restores the real one.
void setDisplaySizeOverride(const QSizeF &twipsSize);

void showBusyPointer();
void showDefaultPointer();

// Ends the program at once: every window closes, nothing is saved.
void endProgram();
// Replaces the end of the program (tests); an empty function restores it.
void setProgramEndHandler(std::function<void()> handler);
