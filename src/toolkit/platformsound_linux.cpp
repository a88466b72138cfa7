// Linux: sounds play on the PulseAudio server through the sound module,
// loaded on first use so that starting the program maps no audio library.
#include "toolkit/backendmodule.h"
#include "toolkit/pcmsoundoutput.h"
#include "toolkit/platformsound.h"

#include <QCoreApplication>

std::shared_ptr<SoundOutput> makePlatformSoundOutput()
{
    return std::make_shared<PcmSoundOutput>([]() -> std::unique_ptr<PcmPlayer> {
        ModuleFailure failure;
        const auto create =
            reinterpret_cast<CreatePcmPlayer>(moduleEntry(QStringLiteral("velmora-sound"), kCreatePcmPlayer, &failure));
        if (!create) // once: the player is opened once
            qWarning("%s plays no sound: %s", qPrintable(QCoreApplication::applicationName()),
                     qPrintable(failure.lookedIn.isEmpty()
                                    ? failure.reason
                                    : QStringLiteral("its sound module velmora-sound is missing from ")
                                          + failure.lookedIn.join(QStringLiteral(" and "))));
        return std::unique_ptr<PcmPlayer>(create ? create() : nullptr);
    });
}
