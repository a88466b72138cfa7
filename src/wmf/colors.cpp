#include "wmf/colors.h"

namespace wmf {

QRgb paletteColor(unsigned index, const Palette *palette)
{
    if (palette && index < palette->entries.size())
        return palette->entries[index];
    static const QRgb vga[16] = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
    };
    return vga[index & 15];
}

QRgb resolveColorRef(uint32_t ref, const Palette *palette)
{
    if ((ref >> 24) == 0x01)
        return paletteColor(ref & 0xFFFF, palette);
    return rgbFromColorRef(ref);
}

} // namespace wmf
