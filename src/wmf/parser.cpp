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

} // namespace

std::shared_ptr<ParsedMetafile> parseMetafileBytes(const QByteArray &bytes, QString *error)
{
    auto parsed = std::make_shared<ParsedMetafile>();
    parsed->bytes = bytes;
    ByteReader in(reinterpret_cast<const uint8_t *>(parsed->bytes.constData()), size_t(parsed->bytes.size()));

    if (in.has(4)) {
        ByteReader probe = in;
        if (probe.u32() == placeableKey) {
            if (!in.has(placeableSize)) {
                fail(error, "placeable header is cut short");
                return nullptr;
            }
            in.skip(4 + 2); // key, metafile handle
            PlaceableHeader &p = parsed->placeable;
            p.present = true;
            p.left = in.i16();
            p.top = in.i16();
            p.right = in.i16();
            p.bottom = in.i16();
            p.unitsPerInch = in.u16();
            in.skip(4 + 2); // reserved, checksum (not trusted either way)
        }
    }

    const size_t headerStart = in.pos();
    const uint16_t type = in.u16();
    const uint16_t headerWords = in.u16();
    const uint16_t version = in.u16();
    in.skip(4); // size in words: unreliable
    parsed->objectCount = in.u16();
    in.skip(4 + 2); // largest record, unused member count
    if (!in.ok()) {
        fail(error, "too short to be a metafile");
        return nullptr;
    }
    if ((type != 1 && type != 2) || headerWords < 9 || (version != 0x0100 && version != 0x0300)) {
        fail(error, "not a Windows metafile");
        return nullptr;
    }
    in.seek(headerStart + size_t(headerWords) * 2);
    if (!in.ok()) {
        fail(error, "metafile header runs past the end");
        return nullptr;
    }

    while (true) {
        if (!in.has(recordHeaderSize)) {
            // A file may end without META_EOF; anything left over is too short to be a record.
            parsed->truncated = in.remaining() != 0;
            break;
        }
        const size_t start = in.pos();
        const uint64_t words = in.u32();
        const uint16_t function = in.u16();
        if (function == META_EOF)
            break;
        const uint64_t length = words * 2;
        if (words < 3 || length > in.remaining() + recordHeaderSize) {
            parsed->truncated = true;
            break;
        }
        Record r;
        r.function = function;
        r.offset = uint32_t(start + recordHeaderSize);
        r.length = uint32_t(length - recordHeaderSize);
        parsed->records.push_back(r);
        in.seek(start + size_t(length));
    }

    parsed->frame = computeFrame(*parsed);
    return parsed;
}

} // namespace wmf
