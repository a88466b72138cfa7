#pragma once
// The real audio output of the platform the program was built for; each
// platform's sound output file defines it.
#include "toolkit/sound.h"

std::shared_ptr<SoundOutput> makePlatformSoundOutput();
