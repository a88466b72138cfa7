#pragma once
// A straight line drawn on a screen between two points given in twips. It
// takes no pointer events: moves over it reach the screen beneath.
#include <QColor>
#include <QWidget>

class LineControl : public QWidget {
    Q_OBJECT
public:
    LineControl(QWidget *parent, double x1, double y1, double x2, double y2, const QColor &color = Qt::black,
                int widthPixels = 1);
    void setPoints(double x1, double y1, double x2, double y2);
    void setColor(const QColor &c);
    double x1() const { return x1_; }
    double y1() const { return y1_; }
    double x2() const { return x2_; }
    double y2() const { return y2_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double x1_, y1_, x2_, y2_;
    QColor color_;
    int width_;
};
