#pragma once
// Plays WAV files through the Windows API: PlaySound from memory,
// asynchronously, so a new sound replaces the one still playing. Each file
// is read and checked by our own decoder and handed to Windows as a plain
// PCM image rebuilt from its samples, so damaged files never reach the
// system's parser. Images are cached by path (repeating a sound costs no file
// access) and can be prepared ahead on a worker thread.
#include "toolkit/sound.h"

#include <QThreadPool>

class WinSoundOutput : public SoundOutput {
public:
    WinSoundOutput();
    ~WinSoundOutput() override;
    void play(const QString &relativePath) override;
    void preload(const QStringList &relativePaths) override;

private:
    struct Cache;
    std::shared_ptr<Cache> cache_; // shared with the worker, which may outlast a play
    QThreadPool workers_;          // destroyed first: waits for the images still being made
};
