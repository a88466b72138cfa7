#include "toolkit/hover.h"
#include "toolkit/screen.h"

void highlightButton(ControlArray<Label> &buttons, int index) { buttons[index]->setBackStyle(BackStyle::Opaque); }

void clearButtonHighlights(ControlArray<Label> &buttons)
{
    buttons.forEach([](int, Label *l) { l->setBackStyle(BackStyle::Transparent); });
}

void wireHoverHighlight(Screen &screen, ControlArray<Label> &buttons)
{
    buttons.onMouseMove = [&buttons](int index, const MouseState &) { highlightButton(buttons, index); };
    screen.onMouseMove = [&buttons](const MouseState &) { clearButtonHighlights(buttons); };
}
