#pragma once
// What a speech module gives the toolkit: the platform's default voice
// (speech-dispatcher on Linux, the Windows speech API on Windows). The
// module, loaded on first use, holds the speech libraries; this header is
// all it shares with the toolkit. A voice is opened, used and deleted on one
// thread, never the user-interface thread, so a slow speech service holds
// up nothing on screen.
#include <QString>

class SpeechVoice {
public:
    virtual ~SpeechVoice() = default;
    // Starts reading text and returns at once, stopping whatever was being
    // read; false, with the reason in *problem, when the voice cannot read.
    virtual bool speak(const QString &text, int ratePercent, QString *problem) = 0;
    virtual void stop() = 0;
};

// The module's entry point, looked up by this name: the default voice, ready
// to read, for the caller to delete; or null with the reason in *problem.
inline constexpr char kOpenSpeechVoice[] = "velmoraOpenSpeechVoice";
using OpenSpeechVoice = SpeechVoice *(*)(QString *problem);
