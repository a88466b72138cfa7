#include "toolkit/sound.h"
#include "toolkit/platformsound.h"

namespace {
std::shared_ptr<SoundOutput> &current()
{
    static std::shared_ptr<SoundOutput> output;
    return output;
}
} // namespace

SoundOutput &soundOutput()
{
    if (!current())
        current() = makePlatformSoundOutput();
    return *current();
}

void setSoundOutput(std::shared_ptr<SoundOutput> output) { current() = std::move(output); }
