#pragma once
// Boxes that show a Picture. An image box without stretching takes the
// picture's own size; a picture box keeps its size, fills its background and
// shows the picture from its top-left corner, clipped. An empty picture
// leaves just the background (or nothing, for an image box).
//
// A picture drawn at any other size than its own (a metafile, a scaled
// screen) is drawn once at the box's size and kept, so that repainting the
// box (a hover beside it, an animation over it) neither replays a metafile
// nor smooths an image again.
#include "toolkit/mousecontrol.h"
#include "toolkit/picture.h"

#include <QColor>
#include <QImage>

class PictureView : public MouseControl {
    Q_OBJECT
public:
    using MouseControl::MouseControl;
    void setPicture(const Picture &picture);
    // Loads a content path; a failure shows an empty picture and returns false.
    bool loadPicture(const QString &relativePath);
    void clearPicture() { setPicture(Picture()); }
    const Picture &picture() const { return picture_; }
    QString picturePath() const { return path_; }

protected:
    virtual void pictureChanged() {}
    // Draws the picture over background, the colour behind the box.
    void drawPicture(QPainter &painter, bool stretch, const QColor &background);
    Picture picture_;
    QString path_;

private:
    QImage drawn_; // the picture over drawnOver_, at the box's size
    QColor drawnOver_;
};

class ImageBox : public PictureView {
    Q_OBJECT
public:
    ImageBox(QWidget *parent, double left, double top, double width = 0, double height = 0);
    void setStretch(bool stretch);
    bool stretches() const { return stretch_; }

protected:
    void pictureChanged() override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool stretch_ = false;
};

class PictureBox : public PictureView {
    Q_OBJECT
public:
    PictureBox(QWidget *parent, double left, double top, double width, double height);
    void setBackColor(const QColor &c);
    QColor backColor() const { return back_; }
    void setAutoSize(bool autoSize);
    bool autoSizes() const { return autoSize_; }
    void setBorder(bool border);

protected:
    void pictureChanged() override;
    void paintEvent(QPaintEvent *event) override;

private:
    QColor back_ = Qt::white;
    bool autoSize_ = false;
    bool border_ = false;
};
