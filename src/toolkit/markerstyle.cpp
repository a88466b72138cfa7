#include "toolkit/markerstyle.h"
#include "toolkit/twips.h"

#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QProxyStyle>
#include <QStyleOption>
#include <cmath>

namespace {
class MarkerStyle : public QProxyStyle {
public:
    explicit MarkerStyle(double scale) : scale_(scale) {}

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        const int atOne = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_RadioButtonLabelSpacing:
        case PM_CheckBoxLabelSpacing:
            return std::max(1, int(std::lround(atOne * scale_)));
        default:
            return atOne;
        }
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element != PE_IndicatorRadioButton && element != PE_IndicatorCheckBox) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        if (element == PE_IndicatorRadioButton)
            drawMarker(*option, *painter);
        else
            drawTickBox(*option, *painter);
        painter->restore();
    }

private:
    // The box's border, one pixel at 1:1, drawn inside the box.
    QRectF borderPath(const QStyleOption &option, QPainter &painter) const
    {
        const double border = std::max(0.75, scale_);
        const bool enabled = option.state & State_Enabled;
        const bool pressed = option.state & State_Sunken;
        painter.setPen(QPen(QColor(96, 96, 96), border));
        painter.setBrush(enabled && !pressed ? option.palette.base() : option.palette.window());
        return QRectF(option.rect).adjusted(border / 2, border / 2, -border / 2, -border / 2);
    }

    // Black whatever colour the caption has: a yellow mark on the white box
    // (the wizard's tick boxes) is all but invisible.
    QColor markColour(const QStyleOption &option) const
    {
        return option.state & State_Enabled ? QColor(Qt::black) : QColor(128, 128, 128);
    }

    void drawMarker(const QStyleOption &option, QPainter &painter) const
    {
        const QRectF ring = borderPath(option, painter);
        painter.drawEllipse(ring);
        if (!(option.state & State_On))
            return;
        const double dot = ring.width() * 0.4;
        painter.setPen(Qt::NoPen);
        painter.setBrush(markColour(option));
        painter.drawEllipse(QRectF(0, 0, dot, dot).translated(ring.center() - QPointF(dot / 2, dot / 2)));
    }

    void drawTickBox(const QStyleOption &option, QPainter &painter) const
    {
        const QRectF box = borderPath(option, painter);
        painter.drawRect(box);
        if (!(option.state & State_On))
            return;
        const double n = box.width();
        QPainterPath tick(box.topLeft() + QPointF(n * 0.22, n * 0.5));
        tick.lineTo(box.topLeft() + QPointF(n * 0.42, n * 0.72));
        tick.lineTo(box.topLeft() + QPointF(n * 0.78, n * 0.26));
        painter.setPen(QPen(markColour(option), n * 0.14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(tick);
    }

    double scale_;
};
} // namespace

QStyle *markerStyle()
{
    // One style per scale screens have been built at; they last the run.
    static QHash<long, QStyle *> styles;
    const long key = std::lround(twips::scale() * 1000);
    QStyle *&style = styles[key];
    if (!style) {
        style = new MarkerStyle(twips::scale());
        style->setParent(QCoreApplication::instance());
    }
    return style;
}
