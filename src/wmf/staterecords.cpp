// Records that set the device context's colours, modes, mapping and current
// position, and that save and restore the whole context.
#include "wmf/mappingrecords.h"
#include "wmf/playback.h"
#include "wmf/recordhandlers.h"

namespace wmf {
namespace {

// Deeper nesting than this is refused (the saves are dropped), which bounds
// the memory a file can make us hold.
constexpr size_t maxSavedContexts = 1024;

// Keeps a value the record holds, once all of it could be read.
template <typename Field, typename Value>
void keep(const ByteReader &in, Field &field, Value value)
{
    if (in.ok())
        field = Field(value);
}

// Keeps a mode the record holds if it is one the context knows.
void keepMode(const ByteReader &in, int &field, int value, int first, int last)
{
    if (in.ok() && value >= first && value <= last)
        field = value;
}

void playMapping(Playback &p, const Record &r, ByteReader in)
{
    if (applyMappingRecord(p.dc.mapping, r.function, in))
        p.updateMapping();
}

void moveTo(Playback &p, const Record &, ByteReader in)
{
    const double y = in.i16();
    const double x = in.i16();
    keep(in, p.dc.position, QPointF(x, y));
}

void saveDC(Playback &p, const Record &, ByteReader)
{
    if (p.saved.size() < maxSavedContexts)
        p.saved.push_back(p.dc);
}

void restoreDC(Playback &p, const Record &, ByteReader in)
{
    const int which = in.i16();
    // Negative: relative to the latest save; positive: the n-th save.
    const long index = which < 0 ? long(p.saved.size()) + which : long(which) - 1;
    if (!in.ok() || index < 0 || index >= long(p.saved.size()))
        return;
    p.dc = p.saved[size_t(index)];
    p.saved.resize(size_t(index));
    p.surface.clipChanged();
    p.updateMapping();
}

constexpr RecordHandler handlers[] = {
    {META_SETMAPMODE, playMapping, false},
    {META_SETWINDOWORG, playMapping, false},
    {META_SETVIEWPORTORG, playMapping, false},
    {META_OFFSETWINDOWORG, playMapping, false},
    {META_OFFSETVIEWPORTORG, playMapping, false},
    {META_SETWINDOWEXT, playMapping, false},
    {META_SETVIEWPORTEXT, playMapping, false},
    {META_SCALEWINDOWEXT, playMapping, false},
    {META_SCALEVIEWPORTEXT, playMapping, false},
    {META_SETBKCOLOR, [](Playback &p, const Record &, ByteReader in) { keep(in, p.dc.backgroundColor, in.u32()); }, false},
    {META_SETTEXTCOLOR, [](Playback &p, const Record &, ByteReader in) { keep(in, p.dc.textColor, in.u32()); }, false},
    {META_SETBKMODE,
     [](Playback &p, const Record &, ByteReader in) { keepMode(in, p.dc.backgroundMode, in.u16(), TRANSPARENT, OPAQUE); },
     false},
    {META_SETROP2, [](Playback &p, const Record &, ByteReader in) { keepMode(in, p.dc.rop2, in.u16(), R2_BLACK, R2_WHITE); },
     false},
    {META_SETPOLYFILLMODE,
     [](Playback &p, const Record &, ByteReader in) { keepMode(in, p.dc.polyFillMode, in.u16(), ALTERNATE, WINDING); },
     false},
    {META_SETSTRETCHBLTMODE, [](Playback &p, const Record &, ByteReader in) { keep(in, p.dc.stretchMode, in.u16()); }, false},
    {META_SETTEXTALIGN, [](Playback &p, const Record &, ByteReader in) { keep(in, p.dc.textAlign, in.u16()); }, false},
    {META_SETTEXTCHAREXTRA, [](Playback &p, const Record &, ByteReader in) { keep(in, p.dc.charExtra, in.i16()); }, false},
    {META_MOVETO, moveTo, false},
    {META_SAVEDC, saveDC, false},
    {META_RESTOREDC, restoreDC, true},
};

} // namespace

std::span<const RecordHandler> stateRecords() { return handlers; }

} // namespace wmf
