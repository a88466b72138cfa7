#include "toolkit/picture.h"
#include "toolkit/boundedfile.h"
#include "toolkit/contentpath.h"
#include "toolkit/twips.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

namespace {
// Placeable metafiles start D7 CD C6 9A; standard ones with a 9-word header of type 1 or 2.
bool looksLikeMetafile(const QByteArray &bytes)
{
    if (bytes.startsWith(QByteArray::fromHex("d7cdc69a")))
        return true;
    if (bytes.size() < 18)
        return false;
    const auto word = [&](int at) { return quint16(quint8(bytes[at]) | (quint8(bytes[at + 1]) << 8)); };
    return (word(0) == 1 || word(0) == 2) && word(2) == 9;
}

// The picture format by its first bytes, so that only the one image plugin
// it needs is loaded; empty lets Qt find out.
QByteArray formatOf(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return "jpeg";
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return "gif";
    if (bytes.startsWith("BM"))
        return "bmp";
    if (bytes.startsWith("\x89PNG"))
        return "png";
    return {};
}

// Guards against decompression bombs in pictures from outside.
constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;
// The content's pictures and metafiles are a few hundred kilobytes at most.
constexpr qint64 kMaxPictureBytes = 16LL * 1024 * 1024;
} // namespace

Picture Picture::load(const QString &relativePath, QString *error)
{
    if (relativePath.isEmpty()) {
        if (error)
            *error = QStringLiteral("no picture named");
        return {};
    }
    const std::optional<QByteArray> bytes = readWholeFile(resolveContentPath(relativePath), kMaxPictureBytes);
    if (!bytes) {
        if (error)
            *error = QStringLiteral("cannot read %1 (missing, not a file, or too large)").arg(relativePath);
        return {};
    }
    return fromBytes(*bytes, error);
}

Picture Picture::fromBytes(const QByteArray &bytes, QString *error)
{
    Picture picture;
    if (looksLikeMetafile(bytes)) {
        picture.metafile_ = wmf::Metafile::parse(bytes, error);
        return picture;
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray format = formatOf(bytes);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(format.isEmpty());
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPixels) {
        if (error)
            *error = QStringLiteral("picture too large");
        return {};
    }
    picture.raster_ = reader.read();
    if (picture.raster_.isNull() && error)
        *error = reader.errorString();
    return picture;
}

QSizeF Picture::sizeTwips() const
{
    if (metafile_)
        return metafile_->sizeTwips();
    return QSizeF(raster_.width() * twips::perPixel, raster_.height() * twips::perPixel);
}

void Picture::draw(QPainter &painter, const QRectF &target) const
{
    if (metafile_) {
        painter.save();
        metafile_->render(painter, target);
        painter.restore();
    } else if (!raster_.isNull()) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, raster_);
        painter.restore();
    }
}
