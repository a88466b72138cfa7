// Windows: sounds play through the Windows API, PlaySound from memory,
// asynchronously, so a new sound cuts off the one playing. The toolkit reads,
// checks and caches the files (pcmsoundoutput.h); Windows is handed a plain
// PCM image rebuilt from the decoded samples, so a damaged file never reaches
// the system's parser. winmm is a system library: nothing to load on first use.
#include "toolkit/pcmsoundoutput.h"
#include "toolkit/platformsound.h"

#include <windows.h>
#include <mmsystem.h>

namespace {
void appendLE(QByteArray &out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

// A canonical RIFF WAVE image of the samples: the header Windows expects and
// nothing else.
QByteArray wavImage(const QByteArray &samples, int sampleRate, int channels, int bitsPerSample)
{
    const quint32 blockAlign = quint32(channels * bitsPerSample / 8);
    const auto dataBytes = quint32(samples.size());
    QByteArray image;
    image.reserve(44 + samples.size());
    image.append("RIFF");
    appendLE(image, 36 + dataBytes, 4);
    image.append("WAVEfmt ");
    appendLE(image, 16, 4);
    appendLE(image, WAVE_FORMAT_PCM, 2);
    appendLE(image, quint32(channels), 2);
    appendLE(image, quint32(sampleRate), 4);
    appendLE(image, quint32(sampleRate) * blockAlign, 4);
    appendLE(image, blockAlign, 2);
    appendLE(image, quint32(bitsPerSample), 2);
    image.append("data");
    appendLE(image, dataBytes, 4);
    image.append(samples);
    return image;
}

class PlaySoundPlayer : public PcmPlayer {
public:
    ~PlaySoundPlayer() override { stop(); } // before the image it reads goes
    void play(const QByteArray &samples, int sampleRate, int channels, int bitsPerSample) override
    {
        stop(); // Windows reads a playing image in place: it stops before the image changes
        playing_ = wavImage(samples, sampleRate, channels, bitsPerSample);
        // With no audio device it plays nothing and says nothing.
        PlaySoundW(reinterpret_cast<LPCWSTR>(playing_.constData()), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
    }

private:
    static void stop() { PlaySoundW(nullptr, nullptr, 0); }
    QByteArray playing_;
};
} // namespace

std::shared_ptr<SoundOutput> makePlatformSoundOutput()
{
    return std::make_shared<PcmSoundOutput>([] { return std::unique_ptr<PcmPlayer>(new PlaySoundPlayer); });
}
