#pragma once
// Button labels light up under the pointer: a move over a button makes its
// background opaque, a move over the screen's background makes every button
// transparent again. A button stays lit until the pointer crosses the background.
#include "toolkit/controlarray.h"
#include "toolkit/label.h"

class Screen;

void highlightButton(ControlArray<Label> &buttons, int index);
void clearButtonHighlights(ControlArray<Label> &buttons);
// Wires both halves: the buttons' pointer moves and the screen's background.
void wireHoverHighlight(Screen &screen, ControlArray<Label> &buttons);
