#include "toolkit/sound.h"
#include "toolkit/qtsoundoutput.h"

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
        current() = std::make_shared<QtSoundOutput>();
    return *current();
}

void setSoundOutput(std::shared_ptr<SoundOutput> output) { current() = std::move(output); }
