#pragma once
// Plays WAV files through a PCM player. Decoded sounds are cached, so
// repeating a sound costs no file access, and sounds can be decoded ahead on
// a worker thread. The player is opened once, on that worker, the first time
// a sound is preloaded or played: loading a sound module happens there, away
// from the user-interface thread, and a play that comes first waits for it.
#include "toolkit/pcmplayer.h"
#include "toolkit/sound.h"
#include "toolkit/wavdecoder.h"

#include <QThreadPool>
#include <functional>
#include <future>
#include <memory>

class PcmSoundOutput : public SoundOutput {
public:
    // Opens the player (null: the sounds play nowhere).
    using PlayerOpener = std::function<std::unique_ptr<PcmPlayer>()>;
    explicit PcmSoundOutput(PlayerOpener openPlayer);
    ~PcmSoundOutput() override;
    void play(const QString &relativePath) override;
    // Opens the player ahead too.
    void preload(const QStringList &relativePaths) override;

private:
    struct Cache;
    std::shared_ptr<const PcmSound> decoded(const QString &relativePath);
    void openPlayerAhead();

    PlayerOpener openPlayer_;
    std::shared_ptr<Cache> cache_; // shared with the worker, which may outlast a play
    std::shared_future<std::shared_ptr<PcmPlayer>> player_;
    QThreadPool workers_; // destroyed first: waits for the work still running
};
