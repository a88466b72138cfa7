#pragma once
// Reads a RIFF WAVE file of PCM samples (8 or 16 bit, mono or stereo) from
// bytes that may be damaged: every chunk is checked against what remains.
#include <QByteArray>
#include <QString>
#include <optional>

struct PcmSound {
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;
    QByteArray samples; // interleaved, as stored (8 bit unsigned, 16 bit signed little-endian)
};

std::optional<PcmSound> decodeWav(const QByteArray &bytes);

// The sound in a file, read whole within the largest size a sound file may
// have; nothing when it cannot be read or played.
std::optional<PcmSound> readWavFile(const QString &absolutePath);
// How long the sound plays, in milliseconds.
int lengthMs(const PcmSound &sound);
