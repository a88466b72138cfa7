#pragma once
// Plays WAV files through Qt Multimedia's audio sink. Decoded sounds are
// cached, so repeating a sound costs no file access; a new sound cuts off the
// one still playing. Each sound is followed by a short silence so the device
// plays its last samples before the sink stops.
#include "toolkit/sound.h"
#include "toolkit/wavdecoder.h"

#include <QAudioFormat>
#include <QBuffer>
#include <QHash>
#include <QMediaDevices>

class QAudioSink;

class QtSoundOutput : public QObject, public SoundOutput {
    Q_OBJECT
public:
    QtSoundOutput();
    ~QtSoundOutput() override;
    void play(const QString &relativePath) override;
    // Decodes and caches a sound ahead of its first use.
    void preload(const QString &relativePath);

private:
    const PcmSound *decoded(const QString &relativePath);
    void stopCurrent();

    QHash<QString, std::optional<PcmSound>> cache_;
    QMediaDevices devices_;
    QAudioSink *sink_ = nullptr;
    QAudioFormat sinkFormat_;
    QBuffer buffer_;
};
