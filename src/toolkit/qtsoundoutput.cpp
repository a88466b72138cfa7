#include "toolkit/qtsoundoutput.h"
#include "toolkit/boundedfile.h"
#include "toolkit/contentpath.h"
#include "toolkit/platformsound.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QHash>
#include <mutex>

namespace {
constexpr int kTrailingSilenceMs = 300;
constexpr qint64 kLargestSoundFile = 64 * 1024 * 1024;

QAudioFormat formatOf(const PcmSound &s)
{
    QAudioFormat f;
    f.setSampleRate(s.sampleRate);
    f.setChannelCount(s.channels);
    f.setSampleFormat(s.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return f;
}

// The sound in a file, followed by the trailing silence; null when it cannot be played.
std::shared_ptr<const PcmSound> decodeFile(const QString &absolutePath)
{
    const std::optional<QByteArray> bytes = readWholeFile(absolutePath, kLargestSoundFile);
    if (!bytes)
        return nullptr;
    std::optional<PcmSound> sound = decodeWav(*bytes);
    if (!sound)
        return nullptr;
    const int frameBytes = sound->channels * sound->bitsPerSample / 8;
    const qsizetype silence = qsizetype(sound->sampleRate) * kTrailingSilenceMs / 1000 * frameBytes;
    sound->samples.append(silence, sound->bitsPerSample == 8 ? char(0x80) : char(0));
    return std::make_shared<const PcmSound>(std::move(*sound));
}
} // namespace

// Decoded sounds by relative path; a null entry is a file that cannot be played.
struct QtSoundOutput::Cache {
    std::mutex lock;
    QHash<QString, std::shared_ptr<const PcmSound>> sounds;

    bool contains(const QString &relativePath)
    {
        const std::lock_guard<std::mutex> guard(lock);
        return sounds.contains(relativePath);
    }
    std::shared_ptr<const PcmSound> keep(const QString &relativePath, std::shared_ptr<const PcmSound> sound)
    {
        const std::lock_guard<std::mutex> guard(lock);
        return *sounds.insert(relativePath, std::move(sound));
    }
};

QtSoundOutput::QtSoundOutput() : cache_(std::make_shared<Cache>()) { workers_.setMaxThreadCount(1); }

QtSoundOutput::~QtSoundOutput()
{
    stopCurrent();
    workers_.waitForDone();
}

void QtSoundOutput::preload(const QStringList &relativePaths)
{
    for (const QString &relativePath : relativePaths) {
        if (cache_->contains(relativePath))
            continue;
        // Paths are resolved here: the content root belongs to this thread.
        const QString absolutePath = resolveContentPath(relativePath);
        workers_.start([cache = cache_, relativePath, absolutePath] {
            cache->keep(relativePath, decodeFile(absolutePath));
        });
    }
}

std::shared_ptr<const PcmSound> QtSoundOutput::decoded(const QString &relativePath)
{
    {
        const std::lock_guard<std::mutex> guard(cache_->lock);
        const auto it = cache_->sounds.constFind(relativePath);
        if (it != cache_->sounds.constEnd())
            return *it;
    }
    return cache_->keep(relativePath, decodeFile(resolveContentPath(relativePath)));
}

void QtSoundOutput::stopCurrent()
{
    if (sink_)
        sink_->stop();
    buffer_.close();
}

void QtSoundOutput::play(const QString &relativePath)
{
    const std::shared_ptr<const PcmSound> sound = decoded(relativePath);
    if (!sound)
        return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    const QAudioFormat format = formatOf(*sound);
    if (!device.isFormatSupported(format))
        return;
    stopCurrent();
    if (!sink_ || sinkFormat_ != format) {
        delete sink_;
        sink_ = new QAudioSink(device, format, this);
        sinkFormat_ = format;
        connect(sink_, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
            if (state == QAudio::IdleState)
                stopCurrent();
        });
    }
    buffer_.setData(sound->samples);
    buffer_.open(QIODevice::ReadOnly);
    sink_->start(&buffer_);
}

std::shared_ptr<SoundOutput> makePlatformSoundOutput() { return std::make_shared<QtSoundOutput>(); }
