#include "wmf/frame.h"
#include "wmf/drawextent.h"
#include "wmf/mappingrecords.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace wmf {
namespace {

// Files without a placeable header carry no physical size; one logical unit
// is taken as one pixel of a 96 dpi screen.
constexpr double pixelTwips = 15.0;
constexpr size_t maxSavedMappings = 1024;
// Without a physical size, a picture is at most as big as a big screen:
// larger windows are taken to use finer units.
constexpr double maxUnsizedPixels = 2048;

// Follows the mapping through the records, SAVEDC/RESTOREDC included.
class MappingTracker {
public:
    explicit MappingTracker(const Mapping &initial) : current(initial) {}

    void apply(const Record &r, ByteReader in)
    {
        if (applyMappingRecord(current, r.function, in))
            return;
        if (r.function == META_SAVEDC) {
            if (saved_.size() < maxSavedMappings)
                saved_.push_back(current);
        } else if (r.function == META_RESTOREDC) {
            const int n = in.i16();
            if (!in.ok())
                return;
            const long index = n < 0 ? long(saved_.size()) + n : long(n) - 1;
            if (index >= 0 && index < long(saved_.size())) {
                current = saved_[size_t(index)];
                saved_.resize(size_t(index));
            }
        }
    }

    Mapping current;

private:
    std::vector<Mapping> saved_;
};

bool usesExtents(int mode) { return mode == MM_ISOTROPIC || mode == MM_ANISOTROPIC; }

std::optional<Frame> placeableFrame(const PlaceableHeader &p)
{
    if (!p.present || p.unitsPerInch == 0)
        return std::nullopt;
    // Coordinates are 16-bit: a box wider than 32767 units wraps, so the
    // extent is read as unsigned.
    const int width = uint16_t(p.right - p.left);
    const int height = uint16_t(p.bottom - p.top);
    if (width == 0 || height == 0)
        return std::nullopt;
    Frame f;
    f.initial.mode = MM_ANISOTROPIC;
    f.initial.windowOrg = {double(p.left), double(p.top)};
    f.initial.windowExt = {double(width), double(height)};
    f.initial.viewportOrg = {0, 0};
    f.initial.viewportExt = {double(width), double(height)};
    f.deviceUnitTwips = 1440.0 / p.unitsPerInch;
    f.device = QRectF(0, 0, width, height);
    return f;
}

// The window in force when the first drawing record comes, if the file set
// one up by then under a map mode that uses it.
std::optional<Frame> windowFrame(const ParsedMetafile &m)
{
    MappingTracker tracker{Mapping{}};
    bool extentSet = false;
    for (const Record &r : m.records) {
        if (isDrawingRecord(r.function))
            break;
        if (r.function == META_SETWINDOWEXT || r.function == META_SCALEWINDOWEXT)
            extentSet = true;
        tracker.apply(r, m.params(r));
    }
    const Mapping atFirstDraw = tracker.current;
    if (!extentSet || !usesExtents(atFirstDraw.mode))
        return std::nullopt;

    Frame f;
    f.deviceUnitTwips = pixelTwips;
    f.initial.mode = MM_ANISOTROPIC;
    f.initial.windowOrg = atFirstDraw.windowOrg;
    f.initial.windowExt = atFirstDraw.windowExt;
    f.initial.viewportExt = {std::abs(atFirstDraw.windowExt.x()), std::abs(atFirstDraw.windowExt.y())};

    // Replay with that viewport: a file that sets its own viewport moves the frame with it.
    MappingTracker replay(f.initial);
    for (const Record &r : m.records) {
        if (isDrawingRecord(r.function))
            break;
        replay.apply(r, m.params(r));
    }
    const AxisAffine toDevice = logicalToDevice(replay.current, f.deviceUnitTwips);
    const QRectF window(atFirstDraw.windowOrg, QSizeF(atFirstDraw.windowExt.x(), atFirstDraw.windowExt.y()));
    f.device = toDevice.mapRect(window);
    if (f.device.isEmpty())
        return std::nullopt;
    return f;
}

// The bounds, in device pixels, of everything the records draw.
Frame boundsFrame(const ParsedMetafile &m)
{
    Frame f;
    f.deviceUnitTwips = pixelTwips;
    f.initial.mode = MM_ANISOTROPIC;
    MappingTracker tracker(f.initial);
    QPointF position;
    double left = 0, top = 0, right = 0, bottom = 0;
    bool any = false;
    for (const Record &r : m.records) {
        const ByteReader in = m.params(r);
        tracker.apply(r, in);
        const std::optional<QRectF> extent = drawingExtent(r.function, in, position);
        if (!extent || !isDrawingRecord(r.function))
            continue;
        // Points have no area, so the union is kept by hand (QRectF::united skips them).
        const QRectF d = logicalToDevice(tracker.current, pixelTwips).mapRect(*extent);
        left = any ? std::min(left, d.left()) : d.left();
        top = any ? std::min(top, d.top()) : d.top();
        right = any ? std::max(right, d.right()) : d.right();
        bottom = any ? std::max(bottom, d.bottom()) : d.bottom();
        any = true;
    }
    if (any && std::isfinite(right - left) && std::isfinite(bottom - top))
        f.device = QRectF(QPointF(left, top), QPointF(right, bottom));
    return f;
}

// Shrinks an unsized picture that would be larger than a big screen.
Frame limitUnsized(Frame f)
{
    const double longest = std::max(f.device.width(), f.device.height());
    if (longest > maxUnsizedPixels)
        f.deviceUnitTwips = pixelTwips * maxUnsizedPixels / longest;
    return f;
}

} // namespace

Frame computeFrame(const ParsedMetafile &m)
{
    if (auto f = placeableFrame(m.placeable))
        return *f;
    if (auto f = windowFrame(m))
        return limitUnsized(*f);
    return limitUnsized(boundsFrame(m));
}

} // namespace wmf
