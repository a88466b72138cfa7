#include "common/readaloud.h"
#include "common/designs.h"
#include "common/module1.h"
#include "toolkit/builders.h"
#include "toolkit/keyboard.h"
#include "toolkit/machinesettings.h"
#include "toolkit/screen.h"
#include "toolkit/speakerlabel.h"
#include "toolkit/speech.h"

#include <algorithm>

namespace {
constexpr int kYoungListeners = 80, kSlowest = 50, kFastest = 200;
constexpr double kSpeakerSide = 495;

// The screen whose reading was started last, while it may still be going.
const void *&latestReader()
{
    static const void *reader = nullptr;
    return reader;
}

// What the last voice check found: with no voice, nothing is sent to be read
// (a label picked up would otherwise look for the speech service each time).
VoiceCheck &lastVoiceCheck()
{
    static VoiceCheck voice{true, {}};
    return voice;
}

void showVoice(SpeakerLabel *speaker, const VoiceCheck &voice)
{
    QString problem;
    if (Module1.soundOn != 1)
        problem = QStringLiteral("Sound is off: choose \"Sound On\" on the main menu to hear it read aloud.");
    else if (!voice.ready)
        problem = QStringLiteral("Reading aloud is not available: %1.").arg(voice.problem);
    speaker->setEnabled(problem.isEmpty());
    speaker->setToolTip(problem.isEmpty() ? QStringLiteral("Read aloud (F5)") : problem);
}

// The speaker lights like the screen's other buttons: under the pointer, until it crosses the background.
void lightUnderPointer(Screen &screen, SpeakerLabel *speaker)
{
    QObject::connect(speaker, &MouseControl::mouseMoved, speaker,
                     [speaker] { speaker->setBackStyle(BackStyle::Opaque); });
    screen.onMouseMove = [speaker, clearOthers = screen.onMouseMove](const MouseState &state) {
        if (clearOthers)
            clearOthers(state);
        speaker->setBackStyle(BackStyle::Transparent);
    };
}
} // namespace

int readingRate()
{
    bool valid = false;
    const QVariant setting = machineSetting(QStringLiteral("Velmora"), QStringLiteral("Speech"), QStringLiteral("Rate"));
    const int rate = setting.toInt(&valid);
    return valid ? std::clamp(rate, kSlowest, kFastest) : kYoungListeners;
}

void readAloud(const void *reader, const QString &text)
{
    if (Module1.soundOn != 1 || !lastVoiceCheck().ready || text.trimmed().isEmpty())
        return;
    speechOutput().speak(text, readingRate());
    latestReader() = reader;
}

void stopReading(const void *reader)
{
    if (!latestReader() || (reader && reader != latestReader()))
        return;
    speechOutput().stop();
    latestReader() = nullptr;
}

QString asSentences(const QStringList &parts)
{
    QStringList sentences;
    for (const QString &part : parts) {
        const QString text = part.trimmed();
        if (!text.isEmpty())
            sentences << (QStringLiteral(".!?:;").contains(text.back()) ? text : text + '.');
    }
    return sentences.join('\n');
}

SpeakerLabel *makeSpeakerButton(Screen &screen, double left, double top, const QString &accessibleName)
{
    auto *speaker = named(new SpeakerLabel(&screen, buttonLabel(-1, {}, left, top, kSpeakerSide, kSpeakerSide)),
                          QStringLiteral("Speaker"));
    speaker->setAccessibleName(accessibleName);
    lightUnderPointer(screen, speaker);
    keyPresses(&screen, kReadAloudKey, speaker);
    const void *reader = &screen;
    QObject::connect(speaker, &QObject::destroyed, [reader] { stopReading(reader); });
    showVoice(speaker, lastVoiceCheck());
    speechOutput().checkVoice(speaker, [speaker](const VoiceCheck &voice) {
        lastVoiceCheck() = voice;
        showVoice(speaker, voice);
    });
    return speaker;
}
