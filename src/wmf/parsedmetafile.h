#pragma once
// A metafile after framing: the file's bytes, its headers and the list of
// records that fit inside the file. Immutable once parsed, so one parse can be
// drawn many times and from any thread.
#include "wmf/bytereader.h"
#include "wmf/mapping.h"
#include "wmf/records.h"

#include <QByteArray>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <memory>
#include <vector>

namespace wmf {

// The Aldus placeable header: the picture's bounding box in logical units and
// how many of those units make an inch.
struct PlaceableHeader {
    bool present = false;
    int left = 0, top = 0, right = 0, bottom = 0;
    int unitsPerInch = 0;
};

// Where the picture lies: the mapping a player sets up before the first
// record, and the rectangle in device units that is the picture.
struct Frame {
    Mapping initial;
    double deviceUnitTwips = 15.0;
    QRectF device;
    QSizeF twips() const { return device.size() * deviceUnitTwips; }
};

struct ParsedMetafile {
    QByteArray bytes;
    PlaceableHeader placeable;
    int objectCount = 0;
    std::vector<Record> records; // up to, not including, META_EOF
    bool truncated = false;      // a record ran past the end of the file
    Frame frame;

    ByteReader params(const Record &r) const
    {
        return ByteReader(reinterpret_cast<const uint8_t *>(bytes.constData()) + r.offset, r.length);
    }
};

// Reads the headers and frames the records. Returns null, with a reason, for
// bytes that are not a metafile.
std::shared_ptr<ParsedMetafile> parseMetafileBytes(const QByteArray &bytes, QString *error);

} // namespace wmf
