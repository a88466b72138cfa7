// Windows: the heap gives large freed blocks back to the system by itself.
#include "toolkit/heap.h"

void returnFreedMemoryToSystem() {}
