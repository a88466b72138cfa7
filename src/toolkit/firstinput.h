#pragma once
// Work worth doing ahead of a pupil's first click, but only once someone is
// there to click: it runs at the first pointer move, press or key press the
// program receives after the call.
#include <functional>

void onFirstUserInput(std::function<void()> action);
