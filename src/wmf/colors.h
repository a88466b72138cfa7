#pragma once
// COLORREF values and logical palettes. A COLORREF is an RGB triple or, with
// its flag byte set to 1, an index into the selected logical palette.
#include <QColor>
#include <cstdint>
#include <memory>
#include <vector>

namespace wmf {

struct Palette {
    std::vector<QRgb> entries;
};

inline QRgb rgbFromColorRef(uint32_t ref)
{
    return qRgb(int(ref & 0xFF), int((ref >> 8) & 0xFF), int((ref >> 16) & 0xFF));
}

// The colour a COLORREF stands for under the given palette (may be null).
QRgb resolveColorRef(uint32_t ref, const Palette *palette);

// Palette index to colour, falling back to the 16 standard VGA colours when
// there is no palette or the index is beyond it.
QRgb paletteColor(unsigned index, const Palette *palette);

} // namespace wmf
