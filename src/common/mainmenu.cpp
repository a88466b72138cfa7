#include "common/mainmenu.h"

namespace {
std::function<MainMenu &()> &touchMainMenu()
{
    static std::function<MainMenu &()> touchMenu;
    return touchMenu;
}
} // namespace

MainMenu &mainMenu()
{
    if (!touchMainMenu())
        qFatal("The main menu has not been defined");
    return touchMainMenu()();
}

void defineMainMenu(std::function<MainMenu &()> touchMenu) { touchMainMenu() = std::move(touchMenu); }
