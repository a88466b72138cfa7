#include "toolkit/console.h"

void useParentConsole() {}
