#pragma once
// A picture from the content folders: a raster image (JPEG, BMP, GIF, PNG) or
// a Windows Metafile. A missing or broken file gives an empty picture, which
// every box shows as its plain background; nothing throws.
#include "wmf/wmf.h"

#include <QImage>
#include <QSizeF>
#include <QString>
#include <optional>

class QPainter;

class Picture {
public:
    Picture() = default;

    // Loads a content path such as "Images\schoolsm.jpg". On failure returns
    // an empty picture and, if asked, the reason.
    static Picture load(const QString &relativePath, QString *error = nullptr);
    static Picture fromBytes(const QByteArray &bytes, QString *error = nullptr);

    bool isNull() const { return raster_.isNull() && !metafile_; }
    bool isMetafile() const { return metafile_.has_value(); }
    // The picture's own size in twips (rasters at 15 twips per pixel).
    QSizeF sizeTwips() const;
    const QImage &raster() const { return raster_; }

    // Draws the picture scaled into target (painter coordinates).
    void draw(QPainter &painter, const QRectF &target) const;

private:
    QImage raster_;
    std::optional<wmf::Metafile> metafile_;
};
