// Records that create, select and delete the graphics objects (pens,
// brushes, fonts, regions, palettes) and change the selected palette.
#include "wmf/playback.h"
#include "wmf/recordhandlers.h"

#include <type_traits>

namespace wmf {
namespace {

template <GdiObject (*create)(ByteReader)>
void add(Playback &p, const Record &, ByteReader in)
{
    p.objects.add(create(in));
}

void addDibPatternBrush(Playback &p, const Record &, ByteReader in)
{
    p.objects.add(createDibPatternBrush(in, p.dc.palette.get()));
}

// Bitmaps as objects are never drawn, but take a slot so later indices stay aligned.
void addPlaceholder(Playback &p, const Record &, ByteReader) { p.objects.add(std::monostate{}); }

void selectObject(Playback &p, const Record &, ByteReader in)
{
    const unsigned index = in.u16();
    const GdiObject *object = in.ok() ? p.objects.get(index) : nullptr;
    if (!object)
        return;
    std::visit(
        [&p](const auto &o) {
            using T = std::decay_t<decltype(o)>;
            if constexpr (std::is_same_v<T, Pen>)
                p.dc.pen = o;
            else if constexpr (std::is_same_v<T, Brush>)
                p.dc.brush = o;
            else if constexpr (std::is_same_v<T, Font>)
                p.dc.font = o;
            else if constexpr (std::is_same_v<T, std::shared_ptr<const Region>>) {
                // Selecting a region selects it as the clip region.
                Clip clip;
                clip.active = true;
                clip.region = p.clipRegionOf(*o);
                p.setClip(clip);
            }
        },
        *object);
}

void deleteObject(Playback &p, const Record &, ByteReader in)
{
    const unsigned index = in.u16();
    if (in.ok())
        p.objects.remove(index);
}

void selectPalette(Playback &p, const Record &, ByteReader in)
{
    const unsigned index = in.u16();
    const GdiObject *object = in.ok() ? p.objects.get(index) : nullptr;
    if (object)
        if (auto palette = std::get_if<std::shared_ptr<const Palette>>(object))
            p.dc.palette = *palette;
}

// SETPALENTRIES and ANIMATEPALETTE: new colours for a run of entries.
void setPaletteEntries(Playback &p, const Record &, ByteReader in)
{
    const unsigned start = in.u16();
    const unsigned count = in.u16();
    if (!in.ok() || !p.dc.palette || count > in.remaining() / 4)
        return;
    auto changed = std::make_shared<Palette>(*p.dc.palette);
    for (unsigned i = 0; i < count; ++i) {
        const int red = in.u8(), green = in.u8(), blue = in.u8();
        in.skip(1);
        if (size_t(start) + i < changed->entries.size())
            changed->entries[start + i] = qRgb(red, green, blue);
    }
    p.dc.palette = changed;
}

void resizePalette(Playback &p, const Record &, ByteReader in)
{
    const unsigned count = in.u16();
    if (!in.ok() || !p.dc.palette)
        return;
    auto changed = std::make_shared<Palette>(*p.dc.palette);
    changed->entries.resize(count, qRgb(0, 0, 0));
    p.dc.palette = changed;
}

constexpr RecordHandler handlers[] = {
    {META_CREATEPENINDIRECT, add<createPen>, false},
    {META_CREATEBRUSHINDIRECT, add<createBrush>, false},
    {META_CREATEFONTINDIRECT, add<createFont>, false},
    {META_CREATEPALETTE, add<createPalette>, false},
    {META_CREATEREGION, add<createRegion>, false},
    {META_CREATEPATTERNBRUSH, add<createPatternBrush>, false},
    {META_DIBCREATEPATTERNBRUSH, addDibPatternBrush, false},
    {META_CREATEBITMAP, addPlaceholder, false},
    {META_CREATEBITMAPINDIRECT, addPlaceholder, false},
    {META_SELECTOBJECT, selectObject, true},
    {META_DELETEOBJECT, deleteObject, false},
    {META_SELECTPALETTE, selectPalette, false},
    {META_SETPALENTRIES, setPaletteEntries, false},
    {META_ANIMATEPALETTE, setPaletteEntries, false},
    {META_RESIZEPALETTE, resizePalette, false},
};

} // namespace

std::span<const RecordHandler> objectRecords() { return handlers; }

} // namespace wmf
