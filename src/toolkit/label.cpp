#include "toolkit/label.h"
#include "toolkit/accessibility.h"
#include "toolkit/captiondraw.h"
#include "toolkit/keyboard.h"
#include "toolkit/twips.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>

Label::Label(QWidget *parent, const LabelDesign &design)
    : MouseControl(parent), caption_(design.caption), font_(design.font), fore_(design.foreColor), back_(design.backColor),
      backStyle_(design.backStyle), border_(design.border), alignment_(design.alignment), wordWrap_(design.wordWrap)
{
    QWidget::setFont(makeFont(font_));
    setGeometryTwips(design.left, design.top, design.width, design.height);
    setVisible(design.visible);
    setEnabled(design.enabled);
    setAccessibleRole(design.role);
}

void Label::setAccessibleRole(QAccessible::Role role)
{
    role_ = role;
    setFocusPolicy(role == QAccessible::Button ? Qt::TabFocus : Qt::NoFocus);
}

void Label::setCaption(const QString &caption)
{
    if (caption_ == caption)
        return;
    caption_ = caption;
    update();
    if (accessibleName().isEmpty())
        announceNameChange(this);
}

void Label::setFontDesign(const FontDesign &font)
{
    font_ = font;
    QWidget::setFont(makeFont(font_));
    update();
}

void Label::setForeColor(const QColor &c) { fore_ = c; update(); }
void Label::setBackColor(const QColor &c) { back_ = c; update(); }
void Label::setBorder(bool singleLine) { border_ = singleLine; update(); }

void Label::setBackStyle(BackStyle style)
{
    if (backStyle_ == style)
        return;
    backStyle_ = style;
    update();
}

QString Label::displayedText() const
{
    return font_.name.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0 ? symbolToGreek(caption_) : caption_;
}

QRect Label::textArea() const
{
    const int inset = border_ ? 2 : 0;
    return rect().adjusted(inset, inset, -inset, -inset);
}

void Label::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (backStyle_ == BackStyle::Opaque)
        p.fillRect(rect(), back_);
    if (border_) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    // Text starts at the top of the box, as classroom PCs have always drawn labels.
    const int flags = int(alignment_ & Qt::AlignHorizontal_Mask) | Qt::AlignTop | (wordWrap_ ? Qt::TextWordWrap : 0);
    const QRect area = textArea();
    if (!isEnabled()) {
        // Disabled captions are etched: a light copy offset under a grey one.
        drawCaption(p, area.translated(1, 1), flags, displayedText(), font(), QColor(255, 255, 255));
        drawCaption(p, area, flags, displayedText(), font(), QColor(128, 128, 128));
    } else {
        drawCaption(p, area, flags, displayedText(), font(), fore_);
    }
    if (focusMarkShown(this))
        drawFocusMark(p);
}

// Two pixels of the caption's colour just inside the border: it shows on the
// screen's blue and on a button's black alike.
void Label::drawFocusMark(QPainter &p) const
{
    p.setPen(QPen(fore_, 2, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(3, 3, -3, -3));
}

// Enter and Space press a button label as a click does.
void Label::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (role_ == QAccessible::Button && !event->isAutoRepeat() &&
        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        event->accept();
        pressControl(this);
        return;
    }
    MouseControl::keyPressEvent(event);
}

void Label::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::ActivationChange)
        update();
    MouseControl::changeEvent(event);
}

void Label::focusInEvent(QFocusEvent *event)
{
    update();
    MouseControl::focusInEvent(event);
}

void Label::focusOutEvent(QFocusEvent *event)
{
    update();
    MouseControl::focusOutEvent(event);
}
