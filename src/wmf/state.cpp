// Records that change the device context: colours, modes, mapping, objects,
// palettes, and saving and restoring the whole context.
#include "wmf/mappingrecords.h"
#include "wmf/player.h"

#include <type_traits>

namespace wmf {
namespace {
// Deeper nesting than this is refused (the saves are dropped), which bounds
// the memory a file can make us hold.
constexpr size_t maxSavedContexts = 1024;
} // namespace

void Player::handleStateRecord(const Record &r, ByteReader in)
{
    if (applyMappingRecord(dc_.mapping, r.function, in)) {
        updateMapping();
        return;
    }
    switch (r.function) {
    case META_SETBKCOLOR: {
        const uint32_t c = in.u32();
        if (in.ok())
            dc_.backgroundColor = c;
        break;
    }
    case META_SETTEXTCOLOR: {
        const uint32_t c = in.u32();
        if (in.ok())
            dc_.textColor = c;
        break;
    }
    case META_SETBKMODE: {
        const int mode = in.u16();
        if (in.ok() && (mode == TRANSPARENT || mode == OPAQUE))
            dc_.backgroundMode = mode;
        break;
    }
    case META_SETROP2: {
        const int rop = in.u16();
        if (in.ok() && rop >= R2_BLACK && rop <= R2_WHITE)
            dc_.rop2 = rop;
        break;
    }
    case META_SETPOLYFILLMODE: {
        const int mode = in.u16();
        if (in.ok() && (mode == ALTERNATE || mode == WINDING))
            dc_.polyFillMode = mode;
        break;
    }
    case META_SETSTRETCHBLTMODE: {
        const int mode = in.u16();
        if (in.ok())
            dc_.stretchMode = mode;
        break;
    }
    case META_SETTEXTALIGN: {
        const int align = in.u16();
        if (in.ok())
            dc_.textAlign = align;
        break;
    }
    case META_SETTEXTCHAREXTRA: {
        const int extra = in.i16();
        if (in.ok())
            dc_.charExtra = extra;
        break;
    }
    case META_MOVETO: {
        const double y = in.i16();
        const double x = in.i16();
        if (in.ok())
            dc_.position = {x, y};
        break;
    }
    case META_SAVEDC:
        saveDC();
        break;
    case META_RESTOREDC: {
        const int which = in.i16();
        if (in.ok())
            restoreDC(which);
        break;
    }
    case META_CREATEPENINDIRECT:
        objects_.add(createPen(in));
        break;
    case META_CREATEBRUSHINDIRECT:
        objects_.add(createBrush(in));
        break;
    case META_CREATEFONTINDIRECT:
        objects_.add(createFont(in));
        break;
    case META_CREATEPALETTE:
        objects_.add(createPalette(in));
        break;
    case META_CREATEREGION:
        objects_.add(createRegion(in));
        break;
    case META_DIBCREATEPATTERNBRUSH:
        objects_.add(createDibPatternBrush(in, dc_.palette.get()));
        break;
    case META_CREATEPATTERNBRUSH:
        objects_.add(createPatternBrush(in));
        break;
    case META_CREATEBITMAP:
    case META_CREATEBITMAPINDIRECT:
        objects_.add(std::monostate{});
        break;
    case META_SELECTOBJECT: {
        const unsigned index = in.u16();
        if (in.ok())
            selectObject(index);
        break;
    }
    case META_DELETEOBJECT: {
        const unsigned index = in.u16();
        if (in.ok())
            objects_.remove(index);
        break;
    }
    case META_SELECTPALETTE: {
        const unsigned index = in.u16();
        if (!in.ok())
            break;
        if (const GdiObject *o = objects_.get(index))
            if (auto p = std::get_if<std::shared_ptr<const Palette>>(o))
                dc_.palette = *p;
        break;
    }
    case META_SETPALENTRIES:
    case META_ANIMATEPALETTE: {
        const unsigned start = in.u16();
        const unsigned count = in.u16();
        if (!in.ok() || !dc_.palette || count > in.remaining() / 4)
            break;
        auto changed = std::make_shared<Palette>(*dc_.palette);
        for (unsigned i = 0; i < count; ++i) {
            const int red = in.u8(), green = in.u8(), blue = in.u8();
            in.skip(1);
            if (size_t(start) + i < changed->entries.size())
                changed->entries[start + i] = qRgb(red, green, blue);
        }
        dc_.palette = changed;
        break;
    }
    case META_RESIZEPALETTE: {
        const unsigned count = in.u16();
        if (!in.ok() || !dc_.palette)
            break;
        auto changed = std::make_shared<Palette>(*dc_.palette);
        changed->entries.resize(count, qRgb(0, 0, 0));
        dc_.palette = changed;
        break;
    }
    default:
        // Escapes, comments, mapper flags, justification and the rest draw nothing.
        break;
    }
}

void Player::saveDC()
{
    if (saved_.size() < maxSavedContexts)
        saved_.push_back(dc_);
}

void Player::restoreDC(int which)
{
    // Negative: relative to the latest save; positive: the n-th save.
    const long index = which < 0 ? long(saved_.size()) + which : long(which) - 1;
    if (index < 0 || index >= long(saved_.size()))
        return;
    dc_ = saved_[size_t(index)];
    saved_.resize(size_t(index));
    clipDirty_ = true;
    updateMapping();
}

void Player::selectObject(unsigned index)
{
    const GdiObject *object = objects_.get(index);
    if (!object)
        return;
    std::visit(
        [this](const auto &o) {
            using T = std::decay_t<decltype(o)>;
            if constexpr (std::is_same_v<T, Pen>)
                dc_.pen = o;
            else if constexpr (std::is_same_v<T, Brush>)
                dc_.brush = o;
            else if constexpr (std::is_same_v<T, Font>)
                dc_.font = o;
            else if constexpr (std::is_same_v<T, std::shared_ptr<const Region>>) {
                // Selecting a region selects it as the clip region.
                Clip clip;
                clip.active = true;
                clip.region = clipRegionOf(*o);
                setClip(clip);
            }
        },
        *object);
}

} // namespace wmf
