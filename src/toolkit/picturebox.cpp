#include "toolkit/picturebox.h"
#include "toolkit/accessibility.h"
#include "toolkit/twips.h"

#include <QPainter>

void PictureView::setPicture(const Picture &picture)
{
    picture_ = picture;
    drawn_ = QImage();
    path_.clear();
    pictureChanged();
    update();
}

bool PictureView::loadPicture(const QString &relativePath)
{
    QString error;
    setPicture(Picture::load(relativePath, &error));
    path_ = relativePath;
    announceNameChange(this);
    return !picture_.isNull();
}

void PictureView::drawPicture(QPainter &painter, bool stretch, const QColor &background)
{
    if (picture_.isNull())
        return;
    const QSizeF own = picture_.sizeTwips();
    const QRectF target = stretch ? QRectF(rect())
                                  : QRectF(0, 0, own.width() * twips::scale() / twips::perPixel,
                                           own.height() * twips::scale() / twips::perPixel);
    painter.setClipRect(rect());
    const qreal ratio = devicePixelRatioF();
    if (!picture_.isMetafile() && target.size() * ratio == QSizeF(picture_.raster().size())) {
        picture_.draw(painter, target); // pixel for pixel: a plain copy
        return;
    }
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (drawn_.size() != pixels || drawnOver_ != background) {
        // Opaque, over the colour behind the box: metafiles may combine
        // their strokes with what lies under them.
        drawn_ = QImage(pixels, QImage::Format_RGB32);
        drawn_.setDevicePixelRatio(ratio);
        drawn_.fill(background);
        QPainter onImage(&drawn_);
        picture_.draw(onImage, target);
        drawnOver_ = background;
    }
    painter.drawImage(0, 0, drawn_);
}

ImageBox::ImageBox(QWidget *parent, double left, double top, double width, double height) : PictureView(parent)
{
    setGeometryTwips(left, top, width, height);
}

void ImageBox::setStretch(bool stretch)
{
    stretch_ = stretch;
    pictureChanged();
    update();
}

void ImageBox::pictureChanged()
{
    // Without stretching the box takes the picture's own size.
    if (!stretch_ && !picture_.isNull()) {
        const QSizeF own = picture_.sizeTwips();
        setGeometryTwips(left(), top(), own.width(), own.height());
    }
}

void ImageBox::paintEvent(QPaintEvent *)
{
    // An image box lies straight on its screen.
    QPainter p(this);
    drawPicture(p, stretch_, parentWidget() ? parentWidget()->palette().color(QPalette::Window) : Qt::white);
}

PictureBox::PictureBox(QWidget *parent, double left, double top, double width, double height) : PictureView(parent)
{
    setGeometryTwips(left, top, width, height);
}

void PictureBox::setBackColor(const QColor &c) { back_ = c; update(); }
void PictureBox::setBorder(bool border) { border_ = border; update(); }

void PictureBox::setAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    pictureChanged();
}

void PictureBox::pictureChanged()
{
    if (autoSize_ && !picture_.isNull()) {
        const QSizeF own = picture_.sizeTwips();
        setGeometryTwips(left(), top(), own.width(), own.height());
    }
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), back_);
    drawPicture(p, false, back_);
    if (border_) {
        p.setClipping(false);
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
