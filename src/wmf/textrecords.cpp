// TEXTOUT and EXTTEXTOUT: reading the records; textdraw.cpp draws them.
#include "wmf/recordhandlers.h"
#include "wmf/textdraw.h"

#include <algorithm>

namespace wmf {
namespace {

void textOut(Playback &p, const Record &, ByteReader in)
{
    const int length = in.i16();
    if (!in.ok() || length < 0)
        return;
    TextRun run;
    run.bytes = in.bytes(size_t(length));
    run.length = size_t(length);
    in.skip(size_t(length & 1));
    const double y = in.i16();
    const double x = in.i16();
    if (!in.ok())
        return;
    run.reference = {x, y};
    drawText(p, run);
}

// Some writers store the rectangle whatever the options say; the record's
// length tells which layout it is.
bool hasRectangle(int options, size_t count, size_t rest)
{
    if (options & (ETO_OPAQUE | ETO_CLIPPED))
        return true;
    const size_t textBytes = (count + 1) & ~size_t(1);
    const bool fitsWithout = rest == textBytes || rest == textBytes + 2 * count;
    const bool fitsWith = rest == 8 + textBytes || rest == 8 + textBytes + 2 * count;
    return fitsWith && !fitsWithout;
}

void extTextOut(Playback &p, const Record &, ByteReader in)
{
    TextRun run;
    const double y = in.i16();
    const double x = in.i16();
    const int count = in.i16();
    run.options = in.u16();
    if (!in.ok() || count < 0)
        return;
    run.reference = {x, y};
    if (hasRectangle(run.options, size_t(count), in.remaining())) {
        const double left = in.i16();
        const double top = in.i16();
        const double right = in.i16();
        const double bottom = in.i16();
        run.rect = QRectF(QPointF(left, top), QPointF(right, bottom));
    }
    run.bytes = in.bytes(size_t(count));
    run.length = size_t(count);
    in.skip(size_t(count & 1));
    if (!in.ok())
        return;
    const size_t n = std::min(size_t(count), in.remaining() / 2);
    run.dx.reserve(n);
    for (size_t i = 0; i < n; ++i)
        run.dx.push_back(in.i16());
    drawText(p, run);
}

constexpr RecordHandler handlers[] = {
    {META_TEXTOUT, textOut, true},
    {META_EXTTEXTOUT, extTextOut, true},
};

} // namespace

std::span<const RecordHandler> textRecords() { return handlers; }

} // namespace wmf
