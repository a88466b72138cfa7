#pragma once
// The platform's real audio output, chosen by the build: one implementation
// file per platform (platformsound_linux.cpp, ...).
#include "toolkit/sound.h"

#include <memory>

std::shared_ptr<SoundOutput> makePlatformSoundOutput();
