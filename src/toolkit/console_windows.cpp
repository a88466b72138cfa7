#include "toolkit/console.h"

#include <cstdio>
#include <windows.h>

// Output already sent somewhere (a file, a pipe, a terminal under Wine) stays
// there; otherwise it goes to the console of the prompt that started the program.
void useParentConsole()
{
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out != nullptr && out != INVALID_HANDLE_VALUE)
        return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    (void)std::freopen("CONOUT$", "w", stdout);
    (void)std::freopen("CONOUT$", "w", stderr);
}
