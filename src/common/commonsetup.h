#pragma once
class Screen;
class QWidget;

// Gives a content screen its colours, caption, 12000 x 9000 twip size and a
// place in the middle of the display. Every content screen runs it first in
// its load handler.
void commonSetup(Screen &screen);

// Chooses the one scale of every screen so that content screens fit the free
// part of the display; with fill they grow as large as it allows. Called
// before the first screen is built.
void fitContentScreens(bool fill);
// Chooses again once a window on show tells how wide the window manager's
// frame is; screens built afterwards take the new scale.
void refitContentScreens(const QWidget *framedWindow);
