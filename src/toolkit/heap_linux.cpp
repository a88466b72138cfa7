// glibc: a large block freed raises the size from which blocks are mapped
// on their own, so later large blocks come from the heap and stay resident
// once freed. A fixed size keeps every large block mapped on its own, given
// back to the system the moment it is freed.
#include "toolkit/heap.h"

#include <malloc.h>

void returnFreedMemoryToSystem() { mallopt(M_MMAP_THRESHOLD, 128 * 1024); }
