#pragma once
// Plays a parsed metafile's records onto a QPainter, as GDI would play them
// onto a device whose viewport is the target rectangle. All coordinates are
// mapped to target (painter) coordinates here, so text stays upright and pen
// widths stay round whatever the window extents do.
#include "wmf/devicecontext.h"
#include "wmf/dib.h"
#include "wmf/parsedmetafile.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <optional>
#include <vector>

namespace wmf {

// A colour as the binary raster operation turns a solid pen or brush colour
// (black, white and inverted pens need no raster device).
QColor ropAdjusted(QRgb rgb, int rop2);

class Player {
public:
    Player(const ParsedMetafile &metafile, QPainter &painter, const QRectF &target);
    void play();

private:
    // state.cpp: the device context, objects and mapping.
    void handleStateRecord(const Record &r, ByteReader in);
    void saveDC();
    void restoreDC(int which);
    void selectObject(unsigned index);
    void updateMapping();
    QRgb color(uint32_t colorRef) const;
    double hairline() const { return hairline_; }

    // shapes.cpp: lines, polygons, rectangles, ellipses, arcs, pixels.
    void handleShapeRecord(const Record &r, ByteReader in);
    std::optional<QPen> currentPen() const;
    std::optional<QBrush> currentBrush() const;
    QBrush brushFor(const Brush &brush) const;
    double penWidth() const;
    bool beginDraw();
    void strokeAndFill(const QPainterPath &path, bool fill);
    void drawPolyline(const QPolygonF &points);
    QPolygonF readPoints(ByteReader &in, int count) const;
    QRectF readBox(ByteReader &in) const;
    void drawArcShape(ByteReader in, int kind);
    QRectF insideFrame(const QRectF &box) const;

    // text.cpp
    void textOut(ByteReader in);
    void extTextOut(ByteReader in);
    void drawText(QPointF logicalRef, const uint8_t *bytes, size_t length, const std::vector<int> &dx, int options,
                  const std::optional<QRectF> &logicalRect);

    struct FaceInfo {
        QString family;
        double emPerCell = 1.0; // em size per cell height (ascent + descent)
    };
    const FaceInfo &faceInfo(const Font &font);
    QHash<QString, FaceInfo> faces_;

    // bitmaps.cpp
    void handleBitmapRecord(const Record &r, ByteReader in);
    void blit(uint32_t rop, const std::optional<Bitmap> &source, bool deviceBitmap, const QRectF &sourceRect,
              bool sourceBottomOrigin, const QRectF &logicalDest);
    void drawBitmap(const QImage &image, const QRectF &dest, uint32_t rop);
    void paintImage(const QImage &image, const QRectF &dest, QPainter::CompositionMode mode);
    void fillWithRop(const QRectF &dest, uint32_t rop);
    void flushPendingMask();

    // clipping.cpp: clip rectangles and regions.
    void handleClipRecord(const Record &r, ByteReader in);
    void setClip(const Clip &clip);
    void applyClip();
    QRect toClipUnits(const QRectF &targetRect) const;
    QRegion clipRegionOf(const Region &region) const;
    QPainterPath regionPath(const Region &region) const;
    void regionRecord(const Record &r, ByteReader in);

    void setCompositionForRop2();
    void restoreComposition();

    const ParsedMetafile &metafile_;
    QPainter &painter_;
    QRectF target_;
    AxisAffine deviceToTarget_;
    AxisAffine toTarget_; // logical to target, from the current mapping
    double hairline_ = 1.0; // one pixel of the picture at its own size, in target units
    double clipScale_ = 1.0; // clip units per target unit
    bool rasterOps_ = false;
    bool clipDirty_ = true;
    bool stop_ = false;

    DeviceContext dc_;
    std::vector<DeviceContext> saved_;
    ObjectTable objects_;

    // An icon's AND mask waits for the colour image that follows it, so the
    // two can be drawn as one picture with transparency.
    struct PendingMask {
        QImage mask;
        QRectF dest;
    };
    std::optional<PendingMask> pendingMask_;
};

} // namespace wmf
