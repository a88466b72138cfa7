// Linux: sounds play on the PulseAudio server through the sound module,
// loaded on first use so that starting the program maps no audio library.
#include "toolkit/backendmodule.h"
#include "toolkit/pcmsoundoutput.h"
#include "toolkit/platformsound.h"

std::shared_ptr<SoundOutput> makePlatformSoundOutput()
{
    return std::make_shared<PcmSoundOutput>([]() -> std::unique_ptr<PcmPlayer> {
        const auto create = reinterpret_cast<CreatePcmPlayer>(moduleEntry(QStringLiteral("velmora-sound"), kCreatePcmPlayer));
        return std::unique_ptr<PcmPlayer>(create ? create() : nullptr);
    });
}
