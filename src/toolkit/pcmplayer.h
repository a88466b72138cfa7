#pragma once
// What a sound module gives the toolkit: a player of decoded PCM samples on
// the platform's audio output. The toolkit reads and decodes the WAV files
// (pcmsoundoutput.h); the module, loaded on first use, holds the audio
// libraries. This header is all the module shares with the toolkit.
#include <QByteArray>

class PcmPlayer {
public:
    virtual ~PcmPlayer() = default;
    // Starts playing and returns at once; a sound still playing is cut off.
    // Samples are interleaved, 8 bit unsigned or 16 bit signed little-endian.
    // Without an audio device or sound server nothing plays and nothing fails.
    virtual void play(const QByteArray &samples, int sampleRate, int channels, int bitsPerSample) = 0;
};

// The module's entry point, looked up by this name: a new player for the
// caller to delete, or null when the module cannot play at all.
inline constexpr char kCreatePcmPlayer[] = "velmoraCreatePcmPlayer";
using CreatePcmPlayer = PcmPlayer *(*)();
