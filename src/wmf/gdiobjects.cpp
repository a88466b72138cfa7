#include "wmf/gdiobjects.h"

#include "wmf/textcodec.h"

#include <QRegion>
#include <algorithm>

namespace wmf {
namespace {
constexpr unsigned maxSlots = 65536;
}

GdiObject createPen(ByteReader in)
{
    Pen pen;
    pen.style = in.u16();
    pen.width = in.i16();
    in.skip(2); // the height of the width point is unused
    pen.color = in.u32();
    if (!in.ok())
        return std::monostate{};
    return pen;
}

GdiObject createBrush(ByteReader in)
{
    Brush brush;
    brush.style = in.u16();
    brush.color = in.u32();
    brush.hatch = in.u16();
    if (!in.ok())
        return std::monostate{};
    // Pattern styles need a bitmap this record cannot carry; GDI draws them solid.
    if (brush.style != BS_SOLID && brush.style != BS_NULL && brush.style != BS_HATCHED)
        brush.style = BS_SOLID;
    return brush;
}

GdiObject createFont(ByteReader in)
{
    Font font;
    font.height = in.i16();
    font.width = in.i16();
    font.escapement = in.i16();
    font.orientation = in.i16();
    font.weight = in.i16();
    font.italic = in.u8() != 0;
    font.underline = in.u8() != 0;
    font.strikeOut = in.u8() != 0;
    font.charset = in.u8();
    in.skip(4); // precision, clipping, quality, pitch and family
    if (!in.ok())
        return std::monostate{};
    const size_t nameLength = std::min<size_t>(in.remaining(), 32);
    font.face = decodeFaceName(in.bytes(nameLength), nameLength, font.charset);
    font.symbol = isSymbolFace(font.face);
    return font;
}

GdiObject createPalette(ByteReader in)
{
    in.skip(2); // start, always 0x0300
    const unsigned count = in.u16();
    if (!in.ok() || count > in.remaining() / 4)
        return std::monostate{};
    auto palette = std::make_shared<Palette>();
    palette->entries.reserve(count);
    for (unsigned i = 0; i < count; ++i) {
        const int r = in.u8(), g = in.u8(), b = in.u8();
        in.skip(1);
        palette->entries.push_back(qRgb(r, g, b));
    }
    return std::shared_ptr<const Palette>(palette);
}

GdiObject createRegion(ByteReader in)
{
    in.skip(2 + 2 + 4); // next in chain, object type, object count
    in.skip(2);         // region size
    const int scans = in.i16();
    in.skip(2);         // largest scan
    in.skip(8);         // bounding box
    if (!in.ok() || scans < 0)
        return std::monostate{};
    auto region = std::make_shared<Region>();
    for (int s = 0; s < scans; ++s) {
        const int count = in.u16();
        const double top = in.i16();
        const double bottom = in.i16();
        if (!in.ok() || size_t(count) * 2 > in.remaining())
            break;
        for (int i = 0; i + 1 < count; i += 2) {
            const double left = in.i16();
            const double right = in.i16();
            if (right > left && bottom > top)
                region->rects.emplace_back(QPointF(left, top), QPointF(right, bottom));
        }
        if (count & 1)
            in.skip(2);
        in.skip(2); // trailing count
    }
    return std::shared_ptr<const Region>(region);
}

GdiObject createDibPatternBrush(ByteReader in, const Palette *palette)
{
    const int style = in.u16();
    const int usage = in.u16();
    if (!in.ok())
        return std::monostate{};
    std::optional<Bitmap> bitmap = style == BS_PATTERN ? decodeBitmap16(in.rest()) : decodeDib(in.rest(), usage, palette);
    Brush brush;
    if (!bitmap) {
        // An unreadable pattern still paints: GDI falls back to a solid brush.
        brush.style = BS_SOLID;
        brush.color = 0;
        return brush;
    }
    brush.style = BS_DIBPATTERN;
    brush.pattern = bitmap->image;
    brush.monoPattern = style == BS_PATTERN && bitmap->monochrome;
    return brush;
}

GdiObject createPatternBrush(ByteReader in)
{
    in.skip(2); // type
    const int width = in.i16();
    const int height = in.i16();
    const int widthBytes = in.i16();
    in.skip(1); // planes
    const int bitsPixel = in.u8();
    in.skip(4 + 18); // bits pointer, reserved
    if (!in.ok())
        return std::monostate{};
    std::optional<Bitmap> bitmap = decodeBitmap16Bits(in.rest(), width, height, widthBytes, bitsPixel);
    Brush brush;
    if (!bitmap) {
        brush.color = 0;
        return brush;
    }
    brush.style = BS_PATTERN;
    brush.pattern = bitmap->image;
    brush.monoPattern = bitmap->monochrome;
    return brush;
}

void ObjectTable::add(GdiObject object)
{
    while (!freed_.empty()) {
        const unsigned index = freed_.top();
        freed_.pop();
        if (index < slots_.size() && !slots_[index]) {
            slots_[index] = std::move(object);
            return;
        }
    }
    if (slots_.size() < maxSlots)
        slots_.emplace_back(std::move(object));
}

const GdiObject *ObjectTable::get(unsigned index) const
{
    if (index >= slots_.size() || !slots_[index])
        return nullptr;
    return &*slots_[index];
}

void ObjectTable::remove(unsigned index)
{
    if (index >= slots_.size() || !slots_[index])
        return;
    slots_[index].reset();
    freed_.push(index);
}

} // namespace wmf
