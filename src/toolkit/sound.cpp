#include "toolkit/sound.h"
#include "toolkit/contentpath.h"
#include "toolkit/platformsound.h"
#include "toolkit/wavdecoder.h"

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

int soundLengthMs(const QString &relativePath)
{
    const std::optional<PcmSound> sound = readWavFile(resolveContentPath(relativePath));
    return sound ? lengthMs(*sound) : 0;
}
