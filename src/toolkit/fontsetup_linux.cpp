// Linux: Qt finds fonts through fontconfig, whose first use parses every
// configuration file and loads the font cache. fontconfig may be set up from
// any thread, once; Qt then finds it ready.
#include "toolkit/fontsetup.h"

#include <fontconfig/fontconfig.h>
#include <thread>

void startReadingFontConfiguration()
{
    std::thread([] { FcInit(); }).detach();
}
