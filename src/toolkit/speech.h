#pragma once
// Reading text aloud through the computer's own voices. Every request returns
// at once: finding a voice, and starting or stopping each reading, happen
// away from the user-interface thread, in the order asked. A new reading
// stops the one before. A computer with no voice reads nothing and says why.
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

struct VoiceCheck {
    bool ready = false;
    QString problem; // why nothing can be read, as a short phrase; empty when ready
};

class SpeechOutput {
public:
    virtual ~SpeechOutput() = default;
    // Starts reading text aloud at ratePercent of the voice's normal pace,
    // stopping whatever was being read.
    virtual void speak(const QString &text, int ratePercent) = 0;
    virtual void stop() = 0;
    // Finds out whether a voice can read; the answer comes later, on the
    // user-interface thread, unless context has gone by then.
    virtual void checkVoice(QObject *context, std::function<void(const VoiceCheck &)> answer) = 0;
};

// The output every reading goes through: the platform's voices, through the
// speech module loaded on first use, unless a test has put a recording
// output in its place.
SpeechOutput &speechOutput();
void setSpeechOutput(std::shared_ptr<SpeechOutput> output); // null: the platform's voices again
