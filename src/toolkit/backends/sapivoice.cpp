// The speech module for Windows: reads aloud with the Windows speech API
// (SAPI) that every Windows PC has, through its default voice. ISpVoice
// speaks asynchronously on a thread of its own, and purging what it was
// saying before each reading makes a new reading stop the old. COM is set
// up on the toolkit's speech thread, which opens, uses and deletes the voice.
#include "toolkit/speechvoice.h"

#include <algorithm>
#include <cmath>
#include <windows.h>
#include <sapi.h>

namespace {
// SAPI's rate runs from -10 (a third of the normal pace) to 10 (three times
// it), each step the same factor.
long sapiRate(int percent)
{
    const double steps = 10 * std::log(std::max(percent, 1) / 100.0) / std::log(3.0);
    return std::clamp(std::lround(steps), -10L, 10L);
}

QString failure(const char *what, HRESULT result)
{
    return QStringLiteral("%1 (error 0x%2)").arg(QLatin1String(what)).arg(quint32(result), 8, 16, QLatin1Char('0'));
}

class SapiVoice : public SpeechVoice {
public:
    SapiVoice(ISpVoice *voice, bool comStarted) : voice_(voice), comStarted_(comStarted) {}

    ~SapiVoice() override
    {
        stop();
        voice_->Release();
        if (comStarted_)
            CoUninitialize();
    }

    bool speak(const QString &text, int ratePercent, QString *problem) override
    {
        voice_->SetRate(sapiRate(ratePercent));
        const HRESULT result = voice_->Speak(reinterpret_cast<LPCWSTR>(text.utf16()),
                                             SPF_ASYNC | SPF_PURGEBEFORESPEAK | SPF_IS_NOT_XML, nullptr);
        if (SUCCEEDED(result))
            return true;
        *problem = failure("the Windows voice cannot read aloud", result);
        return false;
    }

    void stop() override { voice_->Speak(nullptr, SPF_ASYNC | SPF_PURGEBEFORESPEAK, nullptr); }

private:
    ISpVoice *voice_;
    bool comStarted_;
};

// The default voice, tried out on an empty reading, so that a voice that
// cannot speak is found before a pupil presses a speaker.
ISpVoice *openDefaultVoice(QString *problem)
{
    ISpVoice *voice = nullptr;
    HRESULT result =
        CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice, reinterpret_cast<void **>(&voice));
    if (FAILED(result)) {
        *problem = failure("the Windows speech service is not available", result);
        return nullptr;
    }
    ISpObjectToken *token = nullptr;
    result = voice->GetVoice(&token);
    if (SUCCEEDED(result) && token) {
        token->Release();
        result = voice->Speak(L"", SPF_ASYNC | SPF_PURGEBEFORESPEAK | SPF_IS_NOT_XML, nullptr);
        if (SUCCEEDED(result))
            return voice;
        *problem = failure("the Windows voice cannot read aloud", result);
    } else {
        *problem = failure("no Windows voice is installed", result);
    }
    voice->Release();
    return nullptr;
}
} // namespace

extern "C" Q_DECL_EXPORT SpeechVoice *velmoraOpenSpeechVoice(QString *problem)
{
    // The thread may have COM set up already, in either model; only a start of our own is ended.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    const bool comStarted = SUCCEEDED(com);
    ISpVoice *voice = openDefaultVoice(problem);
    if (voice)
        return new SapiVoice(voice, comStarted);
    if (comStarted)
        CoUninitialize();
    return nullptr;
}

static_assert(std::is_same_v<decltype(&velmoraOpenSpeechVoice), OpenSpeechVoice>);
