#include "toolkit/speakerlabel.h"

#include <QPainter>
#include <QPainterPath>

namespace {
// The loudspeaker in a square of side 1 with its top-left corner at the origin.
void drawSpeaker(QPainter &p, const QColor &colour)
{
    QPainterPath body;
    body.addPolygon(QPolygonF{{0.12, 0.38}, {0.3, 0.38}, {0.52, 0.18}, {0.52, 0.82}, {0.3, 0.62}, {0.12, 0.62}});
    body.closeSubpath();
    p.fillPath(body, colour);
    QPen wave(colour, 0.07, Qt::SolidLine, Qt::RoundCap);
    p.setPen(wave);
    p.setBrush(Qt::NoBrush);
    for (const double r : {0.14, 0.27})
        p.drawArc(QRectF(0.52 - r, 0.5 - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
}
} // namespace

void SpeakerLabel::paintEvent(QPaintEvent *event)
{
    Label::paintEvent(event); // background, border and focus mark; the caption is empty
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = textArea();
    const double side = std::min(area.width(), area.height());
    p.translate(area.center() - QPointF(side / 2, side / 2));
    p.scale(side, side);
    if (isEnabled()) {
        drawSpeaker(p, foreColor());
        return;
    }
    p.save();
    p.translate(1 / side, 1 / side);
    drawSpeaker(p, QColor(255, 255, 255));
    p.restore();
    drawSpeaker(p, QColor(128, 128, 128));
}
