// Headers and record framing. The header's own size field is not trusted
// (several writers count the placeable header in it, some leave junk after
// the end record): records are read until META_EOF or the end of the bytes,
// and the first record that does not fit ends the list.
#include "wmf/frame.h"
#include "wmf/parsedmetafile.h"

namespace wmf {
namespace {

constexpr uint32_t placeableKey = 0x9AC6CDD7;
constexpr size_t placeableSize = 22;
constexpr size_t recordHeaderSize = 6;

void fail(QString *error, const char *reason)
{
    if (error)
        *error = QString::fromLatin1(reason);
}

// The Aldus placeable header, if the file starts with one. False when it
// starts with one that is cut short.
bool readPlaceable(ByteReader &in, PlaceableHeader &p)
{
    ByteReader probe = in;
    if (!in.has(4) || probe.u32() != placeableKey)
        return true;
    if (!in.has(placeableSize))
        return false;
    in.skip(4 + 2); // key, metafile handle
    p.present = true;
    p.left = in.i16();
    p.top = in.i16();
    p.right = in.i16();
    p.bottom = in.i16();
    p.unitsPerInch = in.u16();
    in.skip(4 + 2); // reserved, checksum (not trusted either way)
    return true;
}

// The metafile header; leaves the reader at the first record. The reason
// when the bytes are no metafile.
const char *readHeader(ByteReader &in, ParsedMetafile &parsed)
{
    const size_t headerStart = in.pos();
    const uint16_t type = in.u16();
    const uint16_t headerWords = in.u16();
    const uint16_t version = in.u16();
    in.skip(4); // size in words: unreliable
    parsed.objectCount = in.u16();
    in.skip(4 + 2); // largest record, unused member count
    if (!in.ok())
        return "too short to be a metafile";
    if ((type != 1 && type != 2) || headerWords < 9 || (version != 0x0100 && version != 0x0300))
        return "not a Windows metafile";
    in.seek(headerStart + size_t(headerWords) * 2);
    if (!in.ok())
        return "metafile header runs past the end";
    return nullptr;
}

void frameRecords(ByteReader &in, ParsedMetafile &parsed)
{
    while (true) {
        if (!in.has(recordHeaderSize)) {
            // A file may end without META_EOF; anything left over is too short to be a record.
            parsed.truncated = in.remaining() != 0;
            return;
        }
        const size_t start = in.pos();
        const uint64_t words = in.u32();
        const uint16_t function = in.u16();
        if (function == META_EOF)
            return;
        const uint64_t length = words * 2;
        if (words < 3 || length > in.remaining() + recordHeaderSize) {
            parsed.truncated = true;
            return;
        }
        parsed.records.push_back(Record{function, uint32_t(start + recordHeaderSize), uint32_t(length - recordHeaderSize)});
        in.seek(start + size_t(length));
    }
}

} // namespace

std::shared_ptr<ParsedMetafile> parseMetafileBytes(const QByteArray &bytes, QString *error)
{
    auto parsed = std::make_shared<ParsedMetafile>();
    parsed->bytes = bytes;
    ByteReader in(reinterpret_cast<const uint8_t *>(parsed->bytes.constData()), size_t(parsed->bytes.size()));
    if (!readPlaceable(in, parsed->placeable)) {
        fail(error, "placeable header is cut short");
        return nullptr;
    }
    if (const char *reason = readHeader(in, *parsed)) {
        fail(error, reason);
        return nullptr;
    }
    frameRecords(in, *parsed);
    parsed->frame = computeFrame(*parsed);
    return parsed;
}

} // namespace wmf
