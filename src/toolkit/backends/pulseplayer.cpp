// The sound module for Linux: plays PCM samples on the PulseAudio server
// (or PipeWire's server for PulseAudio clients) through libpulse's threaded
// main loop. One connection serves the whole run and each sound gets a
// stream of its own, so sounds of any format follow one another and a new
// sound cuts off the one playing. With no server nothing plays; a server
// started later is connected to at the next sound.
#include "toolkit/pcmplayer.h"

#include <QCoreApplication>
#include <optional>
#include <pulse/pulseaudio.h>
#include <type_traits>

namespace {
// libpulse's record of a stream's sample format, named as pa_stream_new takes it.
template <class F>
struct ThirdParameter;
template <class R, class A, class B, class C, class D>
struct ThirdParameter<R (*)(A, B, C, D)> {
    using type = std::remove_cv_t<std::remove_pointer_t<C>>;
};
using SampleFormat = ThirdParameter<decltype(&pa_stream_new)>::type;

bool playable(int sampleRate, int channels)
{
    return sampleRate > 0 && sampleRate <= int(PA_RATE_MAX) && channels > 0 && channels <= int(PA_CHANNELS_MAX);
}

class PulsePlayer : public PcmPlayer {
public:
    explicit PulsePlayer(pa_threaded_mainloop *loop) : loop_(loop)
    {
        pa_threaded_mainloop_start(loop_);
        const Locked locked(loop_);
        connect();
    }

    ~PulsePlayer() override
    {
        {
            const Locked locked(loop_);
            dropStream();
            dropContext();
        }
        pa_threaded_mainloop_stop(loop_);
        pa_threaded_mainloop_free(loop_);
    }

    void play(const QByteArray &samples, int sampleRate, int channels, int bitsPerSample) override
    {
        if (!playable(sampleRate, channels) || samples.isEmpty())
            return;
        const SampleFormat format{bitsPerSample == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE, uint32_t(sampleRate),
                                  uint8_t(channels)};
        const Locked locked(loop_);
        pending_ = Sound{samples, format};
        const pa_context_state_t state = context_ ? pa_context_get_state(context_) : PA_CONTEXT_FAILED;
        if (state == PA_CONTEXT_READY)
            startPending();
        else if (!PA_CONTEXT_IS_GOOD(state))
            connect(); // the sound starts once the server answers
    }

private:
    struct Sound {
        QByteArray samples;
        SampleFormat format;
    };

    // The main loop's lock, which every call into libpulse outside its own
    // callbacks must hold.
    struct Locked {
        explicit Locked(pa_threaded_mainloop *l) : loop(l) { pa_threaded_mainloop_lock(loop); }
        ~Locked() { pa_threaded_mainloop_unlock(loop); }
        pa_threaded_mainloop *loop;
    };

    void connect()
    {
        dropStream(); // a stream belongs to its connection
        dropContext();
        const QByteArray name = QCoreApplication::applicationName().toUtf8();
        context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), name.constData());
        if (!context_)
            return;
        pa_context_set_state_callback(context_, &PulsePlayer::contextChanged, this);
        pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
    }

    static void contextChanged(pa_context *context, void *self)
    {
        if (pa_context_get_state(context) == PA_CONTEXT_READY)
            static_cast<PulsePlayer *>(self)->startPending();
    }

    void startPending()
    {
        if (!pending_)
            return;
        dropStream();
        const Sound sound = std::move(*pending_);
        pending_.reset();
        stream_ = pa_stream_new(context_, "sound", &sound.format, nullptr);
        if (!stream_)
            return;
        samples_ = sound.samples;
        written_ = 0;
        pa_stream_set_write_callback(stream_, &PulsePlayer::writable, this);
        if (pa_stream_connect_playback(stream_, nullptr, nullptr, PA_STREAM_NOFLAGS, nullptr, nullptr) < 0)
            dropStream();
    }

    // The server asks for more samples; once all are written, draining
    // plays a sound shorter than the server's buffer too.
    static void writable(pa_stream *stream, size_t bytes, void *self)
    {
        auto *player = static_cast<PulsePlayer *>(self);
        const size_t left = size_t(player->samples_.size()) - player->written_;
        const size_t now = std::min(bytes, left);
        if (now > 0) {
            pa_stream_write(stream, player->samples_.constData() + player->written_, now, nullptr, 0, PA_SEEK_RELATIVE);
            player->written_ += now;
        }
        if (player->written_ == size_t(player->samples_.size()) && !player->draining_)
            player->draining_ = pa_stream_drain(stream, &PulsePlayer::drained, self);
    }

    // A played sound leaves no stream behind, so the server can let the device rest.
    static void drained(pa_stream *, int, void *self)
    {
        auto *player = static_cast<PulsePlayer *>(self);
        pa_operation_unref(player->draining_); // finishing now: nothing left to cancel
        player->draining_ = nullptr;
        player->dropStream();
    }

    void dropStream()
    {
        if (draining_) {
            pa_operation_cancel(draining_);
            pa_operation_unref(draining_);
            draining_ = nullptr;
        }
        if (!stream_)
            return;
        pa_stream_set_write_callback(stream_, nullptr, nullptr);
        pa_stream_disconnect(stream_);
        pa_stream_unref(stream_);
        stream_ = nullptr;
    }

    void dropContext()
    {
        if (!context_)
            return;
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }

    pa_threaded_mainloop *loop_;
    pa_context *context_ = nullptr;
    pa_stream *stream_ = nullptr;
    pa_operation *draining_ = nullptr;
    QByteArray samples_;
    size_t written_ = 0;
    std::optional<Sound> pending_;
};
} // namespace

extern "C" Q_DECL_EXPORT PcmPlayer *velmoraCreatePcmPlayer()
{
    pa_threaded_mainloop *loop = pa_threaded_mainloop_new();
    return loop ? new PulsePlayer(loop) : nullptr;
}

static_assert(std::is_same_v<decltype(&velmoraCreatePcmPlayer), CreatePcmPlayer>);
