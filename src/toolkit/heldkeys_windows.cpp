#include "toolkit/heldkeys.h"

// Windows sends a held key as presses marked as repeats, and one release.
void askForHeldKeysAsRepeatedPresses() {}
