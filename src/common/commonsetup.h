#pragma once
class Screen;

// Gives a content screen its colours, caption, 12000 x 9000 twip size and a
// place in the middle of the display. Every content screen runs it first in
// its load handler.
void commonSetup(Screen &screen);
