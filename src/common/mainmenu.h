#pragma once
// The main menu lives in the shell, above the screens that go back to it (the
// worksheet catalogue) or answer a worksheet under its picture and title. It
// offers them what they need here; the shell says once, at start-up, which
// screen it is, so a change to the menu's controls cannot break them unseen.
#include "toolkit/picture.h"
#include "toolkit/screen.h"

#include <functional>

class MainMenu : public Screen {
public:
    using Screen::Screen;
    // What a teacher's worksheet is answered under: the menu's picture and title.
    virtual const Picture &picture() const = 0;
    virtual QString title() const = 0;
};

// The main menu, loaded first (hidden, with its load's effects) when it is not.
MainMenu &mainMenu();
void defineMainMenu(std::function<MainMenu &()> touchMenu);
