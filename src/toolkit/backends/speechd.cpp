// The speech module for Linux: reads aloud through speech-dispatcher, the
// desktop's speech service, with its own client library (libspeechd). The
// library is small, plain C and needs no event loop of its own, so one
// connection in its simple mode serves the whole run from the toolkit's
// speech thread; the service is started for this user when none is running.
#include "toolkit/speechvoice.h"

#include <QCoreApplication>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <libspeechd.h>

namespace {
// speech-dispatcher's rate runs from -100 to 100 around a voice's normal
// pace. Its espeak-ng voices, Debian's default, speak 80 words a minute at
// -100, 170 at 0 and 449 at 100 (EspeakMinRate, EspeakNormalRate and
// EspeakMaxRate in its espeak-ng.conf), in a straight line on either side;
// the percentages are mapped onto those, and onto other voices alike.
constexpr int kSlowest = 80, kNormal = 170, kFastest = 449;

int dispatcherRate(int percent)
{
    const int wordsPerMinute = kNormal * percent / 100;
    const int rate = wordsPerMinute <= kNormal ? 100 * (wordsPerMinute - kNormal) / (kNormal - kSlowest)
                                               : 100 * (wordsPerMinute - kNormal) / (kFastest - kNormal);
    return std::clamp(rate, -100, 100);
}

bool hasVoice(SPDConnection *connection)
{
    SPDVoice **voices = spd_list_synthesis_voices(connection);
    if (!voices)
        return false;
    const bool any = voices[0] != nullptr;
    free_spd_voices(voices);
    return any;
}

class DispatcherVoice : public SpeechVoice {
public:
    explicit DispatcherVoice(SPDConnection *connection) : connection_(connection) {}

    ~DispatcherVoice() override
    {
        spd_cancel(connection_);
        spd_close(connection_);
    }

    bool speak(const QString &text, int ratePercent, QString *problem) override
    {
        spd_cancel(connection_); // cancel, not stop: nothing of ours stays queued
        const int rate = dispatcherRate(ratePercent);
        if (rate != rate_ && spd_set_voice_rate(connection_, rate) == 0)
            rate_ = rate;
        if (spd_say(connection_, SPD_TEXT, text.toUtf8().constData()) >= 0)
            return true;
        *problem = QStringLiteral("the speech service stopped answering");
        return false;
    }

    void stop() override { spd_cancel(connection_); }

private:
    SPDConnection *connection_;
    int rate_ = INT_MIN; // none set yet
};
} // namespace

extern "C" Q_DECL_EXPORT SpeechVoice *velmoraOpenSpeechVoice(QString *problem)
{
    char *error = nullptr;
    const QByteArray client = QCoreApplication::applicationName().toUtf8();
    SPDConnection *connection =
        spd_open2(client.constData(), "main", nullptr, SPD_MODE_SINGLE, nullptr, /*autospawn=*/1, &error);
    if (!connection) {
        // The service's own long account goes to the terminal; the screen says it briefly.
        std::fprintf(stderr, "velmora: speech-dispatcher: %s\n", error ? error : "not reachable");
        std::free(error);
        *problem = QStringLiteral("no speech service could be reached or started (speech-dispatcher)");
        return nullptr;
    }
    if (!hasVoice(connection)) {
        spd_close(connection);
        *problem = QStringLiteral("no voice is installed for the speech service");
        return nullptr;
    }
    return new DispatcherVoice(connection);
}

static_assert(std::is_same_v<decltype(&velmoraOpenSpeechVoice), OpenSpeechVoice>);
