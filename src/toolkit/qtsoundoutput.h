#pragma once
// Plays WAV files through Qt Multimedia's audio sink. Decoded sounds are
// cached, so repeating a sound costs no file access, and sounds can be
// decoded ahead on a worker thread; a new sound cuts off the one still
// playing. Each sound is followed by a short silence so the device plays its
// last samples before the sink stops.
#include "toolkit/sound.h"
#include "toolkit/wavdecoder.h"

#include <QAudioFormat>
#include <QBuffer>
#include <QMediaDevices>
#include <QThreadPool>

class QAudioSink;

class QtSoundOutput : public QObject, public SoundOutput {
    Q_OBJECT
public:
    QtSoundOutput();
    ~QtSoundOutput() override;
    void play(const QString &relativePath) override;
    void preload(const QStringList &relativePaths) override;

private:
    struct Cache;
    std::shared_ptr<const PcmSound> decoded(const QString &relativePath);
    void stopCurrent();

    std::shared_ptr<Cache> cache_; // shared with the worker, which may outlast a play
    QThreadPool workers_;          // destroyed first: waits for the decodes still running
    QMediaDevices devices_;
    QAudioSink *sink_ = nullptr;
    QAudioFormat sinkFormat_;
    QBuffer buffer_;
};
