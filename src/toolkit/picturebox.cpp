#include "toolkit/picturebox.h"
#include "toolkit/accessibility.h"
#include "toolkit/twips.h"

#include <QPainter>

void PictureView::setPicture(const Picture &picture)
{
    picture_ = picture;
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

void PictureView::drawPicture(QPainter &painter, bool stretch) const
{
    if (picture_.isNull())
        return;
    const QSizeF own = picture_.sizeTwips();
    const QRectF target = stretch ? QRectF(rect())
                                  : QRectF(0, 0, own.width() * twips::scale() / twips::perPixel,
                                           own.height() * twips::scale() / twips::perPixel);
    painter.setClipRect(rect());
    picture_.draw(painter, target);
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
    QPainter p(this);
    drawPicture(p, stretch_);
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
    drawPicture(p, false);
    if (border_) {
        p.setClipping(false);
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
