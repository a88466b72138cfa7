#include "toolkit/qtsoundoutput.h"
#include "toolkit/contentpath.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QFile>

namespace {
constexpr int kTrailingSilenceMs = 300;

QAudioFormat formatOf(const PcmSound &s)
{
    QAudioFormat f;
    f.setSampleRate(s.sampleRate);
    f.setChannelCount(s.channels);
    f.setSampleFormat(s.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return f;
}
} // namespace

QtSoundOutput::QtSoundOutput() = default;

QtSoundOutput::~QtSoundOutput() { stopCurrent(); }

const PcmSound *QtSoundOutput::decoded(const QString &relativePath)
{
    auto it = cache_.find(relativePath);
    if (it == cache_.end()) {
        std::optional<PcmSound> sound;
        QFile file(resolveContentPath(relativePath));
        if (file.size() < 64 * 1024 * 1024 && file.open(QIODevice::ReadOnly))
            sound = decodeWav(file.readAll());
        if (sound) {
            const int frameBytes = sound->channels * sound->bitsPerSample / 8;
            const qsizetype silence = qsizetype(sound->sampleRate) * kTrailingSilenceMs / 1000 * frameBytes;
            sound->samples.append(silence, sound->bitsPerSample == 8 ? char(0x80) : char(0));
        }
        it = cache_.insert(relativePath, sound);
    }
    return it->has_value() ? &**it : nullptr;
}

void QtSoundOutput::preload(const QString &relativePath) { decoded(relativePath); }

void QtSoundOutput::stopCurrent()
{
    if (sink_)
        sink_->stop();
    buffer_.close();
}

void QtSoundOutput::play(const QString &relativePath)
{
    const PcmSound *sound = decoded(relativePath);
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
