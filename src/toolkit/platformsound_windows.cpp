#include "toolkit/winsoundoutput.h"
#include "toolkit/boundedfile.h"
#include "toolkit/contentpath.h"
#include "toolkit/platformsound.h"
#include "toolkit/wavdecoder.h"

#include <QHash>
#include <mutex>

#include <windows.h>
#include <mmsystem.h>

namespace {
constexpr qint64 kLargestSoundFile = 64 * 1024 * 1024;

void appendLE(QByteArray &out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

// A canonical RIFF WAVE image of the samples: the header Windows expects and
// nothing else.
QByteArray wavImage(const PcmSound &sound)
{
    const quint32 blockAlign = quint32(sound.channels * sound.bitsPerSample / 8);
    const auto dataBytes = quint32(sound.samples.size());
    QByteArray image;
    image.reserve(44 + sound.samples.size());
    image.append("RIFF");
    appendLE(image, 36 + dataBytes, 4);
    image.append("WAVEfmt ");
    appendLE(image, 16, 4);
    appendLE(image, WAVE_FORMAT_PCM, 2);
    appendLE(image, quint32(sound.channels), 2);
    appendLE(image, quint32(sound.sampleRate), 4);
    appendLE(image, quint32(sound.sampleRate) * blockAlign, 4);
    appendLE(image, blockAlign, 2);
    appendLE(image, quint32(sound.bitsPerSample), 2);
    image.append("data");
    appendLE(image, dataBytes, 4);
    image.append(sound.samples);
    return image;
}

// The image of a file, or null when it cannot be played.
std::shared_ptr<const QByteArray> imageOfFile(const QString &absolutePath)
{
    const std::optional<QByteArray> bytes = readWholeFile(absolutePath, kLargestSoundFile);
    const std::optional<PcmSound> sound = bytes ? decodeWav(*bytes) : std::nullopt;
    return sound ? std::make_shared<const QByteArray>(wavImage(*sound)) : nullptr;
}

void stopPlaying() { PlaySoundW(nullptr, nullptr, 0); }
} // namespace

// Images by relative path; a null entry is a file that cannot be played.
// Images stay for the whole run: Windows reads a playing image in place.
struct WinSoundOutput::Cache {
    std::mutex lock;
    QHash<QString, std::shared_ptr<const QByteArray>> images;

    bool contains(const QString &relativePath)
    {
        const std::lock_guard<std::mutex> guard(lock);
        return images.contains(relativePath);
    }
    std::shared_ptr<const QByteArray> find(const QString &relativePath, bool &found)
    {
        const std::lock_guard<std::mutex> guard(lock);
        const auto it = images.constFind(relativePath);
        found = it != images.constEnd();
        return found ? *it : nullptr;
    }
    std::shared_ptr<const QByteArray> keep(const QString &relativePath, std::shared_ptr<const QByteArray> image)
    {
        const std::lock_guard<std::mutex> guard(lock);
        return *images.insert(relativePath, std::move(image));
    }
};

WinSoundOutput::WinSoundOutput() : cache_(std::make_shared<Cache>()) { workers_.setMaxThreadCount(1); }

WinSoundOutput::~WinSoundOutput()
{
    stopPlaying(); // before the image it reads goes
    workers_.waitForDone();
}

void WinSoundOutput::preload(const QStringList &relativePaths)
{
    for (const QString &relativePath : relativePaths) {
        if (cache_->contains(relativePath))
            continue;
        // Paths are resolved here: the content root belongs to this thread.
        const QString absolutePath = resolveContentPath(relativePath);
        workers_.start([cache = cache_, relativePath, absolutePath] {
            cache->keep(relativePath, imageOfFile(absolutePath));
        });
    }
}

void WinSoundOutput::play(const QString &relativePath)
{
    bool found = false;
    std::shared_ptr<const QByteArray> image = cache_->find(relativePath, found);
    if (!found)
        image = cache_->keep(relativePath, imageOfFile(resolveContentPath(relativePath)));
    if (!image)
        return;
    // Cuts off the sound still playing; with no audio device it plays nothing and says nothing.
    PlaySoundW(reinterpret_cast<LPCWSTR>(image->constData()), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}

std::shared_ptr<SoundOutput> makePlatformSoundOutput() { return std::make_shared<WinSoundOutput>(); }
