#include "toolkit/wavdecoder.h"
#include "toolkit/boundedfile.h"

#include <cstdint>

namespace {
uint32_t le32(const QByteArray &b, qsizetype at)
{
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 | uint32_t(uint8_t(b[at + 2])) << 16 |
           uint32_t(uint8_t(b[at + 3])) << 24;
}
uint16_t le16(const QByteArray &b, qsizetype at) { return uint16_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8); }

constexpr qint64 kLargestSoundFile = 64 * 1024 * 1024;
constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;
} // namespace

std::optional<PcmSound> decodeWav(const QByteArray &bytes)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    PcmSound sound;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype declared = le32(bytes, at + 4);
        const qsizetype body = at + 8;
        const qsizetype available = bytes.size() - body;
        const qsizetype size = std::min(declared, available); // a truncated last chunk keeps what is there
        if (id == "fmt ") {
            if (size < 16)
                return std::nullopt;
            uint16_t tag = le16(bytes, body);
            if (tag == kFormatExtensible && size >= 26)
                tag = le16(bytes, body + 24); // the sub-format GUID starts with the real tag
            if (tag != kFormatPcm)
                return std::nullopt;
            sound.channels = le16(bytes, body + 2);
            sound.sampleRate = int(le32(bytes, body + 4));
            sound.bitsPerSample = le16(bytes, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return std::nullopt;
            const int frameBytes = sound.channels * sound.bitsPerSample / 8;
            if (frameBytes <= 0)
                return std::nullopt;
            sound.samples = bytes.mid(body, size - size % frameBytes);
            break;
        }
        if (declared > available)
            break;
        at = body + declared + (declared & 1); // chunks are word-aligned
    }
    const bool supported = haveFormat && (sound.bitsPerSample == 8 || sound.bitsPerSample == 16) &&
                           (sound.channels == 1 || sound.channels == 2) && sound.sampleRate >= 1000 &&
                           sound.sampleRate <= 192000 && !sound.samples.isEmpty();
    return supported ? std::optional<PcmSound>(sound) : std::nullopt;
}

std::optional<PcmSound> readWavFile(const QString &absolutePath)
{
    const std::optional<QByteArray> bytes = readWholeFile(absolutePath, kLargestSoundFile);
    return bytes ? decodeWav(*bytes) : std::nullopt;
}

int lengthMs(const PcmSound &sound)
{
    const qint64 bytesPerSecond = qint64(sound.sampleRate) * sound.channels * sound.bitsPerSample / 8;
    return bytesPerSecond > 0 ? int(1000 * sound.samples.size() / bytesPerSecond) : 0;
}
