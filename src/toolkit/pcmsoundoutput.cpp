#include "toolkit/pcmsoundoutput.h"
#include "toolkit/contentpath.h"

#include <QHash>
#include <mutex>

namespace {
// The sound in a file; null when it cannot be played.
std::shared_ptr<const PcmSound> decodeFile(const QString &absolutePath)
{
    std::optional<PcmSound> sound = readWavFile(absolutePath);
    return sound ? std::make_shared<const PcmSound>(std::move(*sound)) : nullptr;
}
} // namespace

// Decoded sounds by relative path; a null entry is a file that cannot be played.
struct PcmSoundOutput::Cache {
    std::mutex lock;
    QHash<QString, std::shared_ptr<const PcmSound>> sounds;

    bool contains(const QString &relativePath)
    {
        const std::lock_guard<std::mutex> guard(lock);
        return sounds.contains(relativePath);
    }
    std::shared_ptr<const PcmSound> keep(const QString &relativePath, std::shared_ptr<const PcmSound> sound)
    {
        const std::lock_guard<std::mutex> guard(lock);
        return *sounds.insert(relativePath, std::move(sound));
    }
};

PcmSoundOutput::PcmSoundOutput(PlayerOpener openPlayer)
    : openPlayer_(std::move(openPlayer)), cache_(std::make_shared<Cache>())
{
    workers_.setMaxThreadCount(1);
}

PcmSoundOutput::~PcmSoundOutput() { workers_.waitForDone(); }

void PcmSoundOutput::openPlayerAhead()
{
    if (player_.valid())
        return;
    auto opened = std::make_shared<std::promise<std::shared_ptr<PcmPlayer>>>();
    player_ = opened->get_future().share();
    workers_.start([opened, open = openPlayer_] { opened->set_value(open()); });
}

void PcmSoundOutput::preload(const QStringList &relativePaths)
{
    openPlayerAhead();
    for (const QString &relativePath : relativePaths) {
        if (cache_->contains(relativePath))
            continue;
        // Paths are resolved here: the content root belongs to this thread.
        const QString absolutePath = resolveContentPath(relativePath);
        workers_.start([cache = cache_, relativePath, absolutePath] {
            cache->keep(relativePath, decodeFile(absolutePath));
        });
    }
}

std::shared_ptr<const PcmSound> PcmSoundOutput::decoded(const QString &relativePath)
{
    {
        const std::lock_guard<std::mutex> guard(cache_->lock);
        const auto it = cache_->sounds.constFind(relativePath);
        if (it != cache_->sounds.constEnd())
            return *it;
    }
    return cache_->keep(relativePath, decodeFile(resolveContentPath(relativePath)));
}

void PcmSoundOutput::play(const QString &relativePath)
{
    const std::shared_ptr<const PcmSound> sound = decoded(relativePath);
    if (!sound)
        return;
    openPlayerAhead();
    if (const std::shared_ptr<PcmPlayer> &player = player_.get())
        player->play(sound->samples, sound->sampleRate, sound->channels, sound->bitsPerSample);
}
