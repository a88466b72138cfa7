#pragma once
// The sound component: one operation that takes a relative WAV path
// ("wav\click.wav") and returns at once. A missing or unreadable file, or a
// machine without audio, plays nothing and raises nothing.
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual void play(const QString &relativePath) = 0;
    // Gets sounds ready ahead of their first play, without holding up the
    // caller; an output that needs no preparation ignores it.
    virtual void preload(const QStringList &relativePaths) { (void)relativePaths; }
};

// The output every sound component plays through: real audio unless a test
// has put a recording output in its place.
SoundOutput &soundOutput();
void setSoundOutput(std::shared_ptr<SoundOutput> output); // null restores real audio

// How long a sound plays, in milliseconds; 0 for a file that cannot be played.
int soundLengthMs(const QString &relativePath);

class SoundComponent : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    void play(const QString &relativePath) { soundOutput().play(relativePath); }
};
