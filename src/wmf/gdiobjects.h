#pragma once
// The graphics objects a metafile creates (pens, brushes, fonts, palettes,
// regions) and the object table that records select and delete them through.
#include "wmf/bytereader.h"
#include "wmf/colors.h"
#include "wmf/dib.h"

#include <QImage>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <queue>
#include <variant>
#include <vector>

namespace wmf {

enum PenStyle { PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_DASHDOT = 3, PS_DASHDOTDOT = 4, PS_NULL = 5, PS_INSIDEFRAME = 6 };
enum BrushStyle { BS_SOLID = 0, BS_NULL = 1, BS_HATCHED = 2, BS_PATTERN = 3, BS_DIBPATTERN = 5, BS_DIBPATTERNPT = 6 };

struct Pen {
    uint16_t style = PS_SOLID; // low byte: line style; then end cap and join flags
    int width = 0;             // logical units; 0 is one pixel whatever the mapping
    uint32_t color = 0;
    int lineStyle() const { return style & 0x0F; }
};

struct Brush {
    int style = BS_SOLID;
    uint32_t color = 0xFFFFFF;
    int hatch = 0;
    QImage pattern;          // pattern brushes
    bool monoPattern = false; // a 1-bit device pattern: drawn in text and background colours
};

struct Font {
    int height = 0, width = 0, escapement = 0, orientation = 0, weight = 400;
    bool italic = false, underline = false, strikeOut = false;
    int charset = 0;
    QString face;
    bool symbol = false; // Adobe Symbol codes
};

// A region as rectangles in logical units.
struct Region {
    std::vector<QRectF> rects;
};

using GdiObject = std::variant<Pen, Brush, Font, std::shared_ptr<const Palette>, std::shared_ptr<const Region>, std::monostate>;

// Object records: each returns the object it creates; a malformed record still
// creates a placeholder (std::monostate) so later indices keep their meaning.
GdiObject createPen(ByteReader params);
GdiObject createBrush(ByteReader params);
GdiObject createFont(ByteReader params);
GdiObject createPalette(ByteReader params);
GdiObject createRegion(ByteReader params);
GdiObject createDibPatternBrush(ByteReader params, const Palette *palette);
GdiObject createPatternBrush(ByteReader params);

// Objects live in the lowest free slot, as GDI places them. Slots are indexed
// by 16 bits, so the table never exceeds 65536 entries.
class ObjectTable {
public:
    void add(GdiObject object);
    const GdiObject *get(unsigned index) const;
    void remove(unsigned index);

private:
    std::vector<std::optional<GdiObject>> slots_;
    std::priority_queue<unsigned, std::vector<unsigned>, std::greater<unsigned>> freed_;
};

} // namespace wmf
