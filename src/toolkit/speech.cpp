#include "toolkit/speech.h"
#include "toolkit/backendmodule.h"
#include "toolkit/speechvoice.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>
#include <cstdio>
#include <utility>

namespace {
const QString kSpeechModule = QStringLiteral("velmora-speech");
// How long the end of the program waits for a speech service that does not answer.
constexpr int kGiveUpOnServiceMs = 2000;

// The speech module's entry point, looked up on the user-interface thread
// and handed to the worker: under Wine, a module found missing on a worker
// thread kept the program from ending. Null when there is none.
OpenSpeechVoice voiceEntry()
{
    ModuleFailure failure;
    const auto openVoice = reinterpret_cast<OpenSpeechVoice>(moduleEntry(kSpeechModule, kOpenSpeechVoice, &failure));
    if (openVoice)
        return openVoice;
    // Where it was looked for goes to the terminal, once; the screen says it briefly.
    static bool told = false;
    if (!std::exchange(told, true))
        std::fprintf(stderr, "velmora: reading aloud is off: %s\n",
                     qUtf8Printable(failure.lookedIn.isEmpty()
                                        ? failure.reason
                                        : QStringLiteral("its speech module is missing from ")
                                              + failure.lookedIn.join(QStringLiteral(" and "))));
    return nullptr;
}

// The voice, touched only on the worker thread, one task at a time.
struct VoiceSlot {
    std::unique_ptr<SpeechVoice> voice;

    // Opens the voice unless it is open; returns why it cannot be opened.
    QString open(OpenSpeechVoice openVoice)
    {
        if (voice)
            return {};
        if (!openVoice)
            return QStringLiteral("Velmora's speech module is missing");
        QString problem;
        voice.reset(openVoice(&problem));
        return voice ? QString() : problem;
    }

    // A voice that fails is opened afresh once: the speech service may have restarted.
    void speak(OpenSpeechVoice entry, const QString &text, int ratePercent)
    {
        QString problem;
        for (int attempt = 0; attempt < 2; ++attempt) {
            if (!open(entry).isEmpty() || voice->speak(text, ratePercent, &problem))
                return;
            voice.reset();
        }
    }
};

class ModuleSpeechOutput : public SpeechOutput {
public:
    ModuleSpeechOutput() : worker_(new QThreadPool)
    {
        // One thread for the whole run: a voice lives on the thread that opened it.
        worker_->setMaxThreadCount(1);
        worker_->setExpiryTimeout(-1);
    }

    ~ModuleSpeechOutput() override
    {
        worker_->start([slot = slot_] { slot->voice.reset(); });
        // A service that never answers must not keep the program from ending.
        if (worker_->waitForDone(kGiveUpOnServiceMs))
            delete worker_;
    }

    void speak(const QString &text, int ratePercent) override
    {
        worker_->start([slot = slot_, entry = voiceEntry(), text, ratePercent] { slot->speak(entry, text, ratePercent); });
    }

    void stop() override
    {
        worker_->start([slot = slot_] {
            if (slot->voice)
                slot->voice->stop();
        });
    }

    void checkVoice(QObject *context, std::function<void(const VoiceCheck &)> answer) override
    {
        worker_->start([slot = slot_, entry = voiceEntry(), context = QPointer<QObject>(context),
                        answer = std::move(answer)] {
            const QString problem = slot->open(entry);
            const VoiceCheck check{problem.isEmpty(), problem};
            if (QCoreApplication *app = QCoreApplication::instance())
                QMetaObject::invokeMethod(
                    app, [context, answer, check] {
                        if (context)
                            answer(check);
                    },
                    Qt::QueuedConnection);
        });
    }

private:
    std::shared_ptr<VoiceSlot> slot_ = std::make_shared<VoiceSlot>();
    QThreadPool *worker_; // left running at the end when the service hangs
};

std::shared_ptr<SpeechOutput> &current()
{
    static std::shared_ptr<SpeechOutput> output;
    return output;
}
} // namespace

SpeechOutput &speechOutput()
{
    if (!current())
        current() = std::make_shared<ModuleSpeechOutput>();
    return *current();
}

void setSpeechOutput(std::shared_ptr<SpeechOutput> output) { current() = std::move(output); }
