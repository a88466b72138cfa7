#include "toolkit/inputs.h"
#include "toolkit/markerstyle.h"
#include "toolkit/twips.h"

#include <QKeyEvent>

void setWidgetColors(QWidget *widget, const QColor &fore, const QColor &back)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, fore);
    pal.setColor(QPalette::ButtonText, fore);
    pal.setColor(QPalette::Text, fore);
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::Button, back);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

void applyInputDesign(QWidget *widget, const InputDesign &design)
{
    twips::place(widget, QRectF(design.left, design.top, design.width, design.height));
    widget->setFont(makeFont(design.font));
    setWidgetColors(widget, design.foreColor, design.backColor);
}

namespace {
// The dot of an option button and the tick of a check box are drawn in the
// text colour on the base colour. A caption colour such as yellow would make
// the chosen answer all but invisible, so the mark stays black on white
// whatever colour the caption has.
void keepMarkReadable(QWidget *widget)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Text, Qt::black);
    pal.setColor(QPalette::Base, Qt::white);
    widget->setPalette(pal);
}

// Enter presses a button as Space and a click do.
bool pressedByEnter(QAbstractButton *button, QKeyEvent *event)
{
    if ((event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) || event->isAutoRepeat())
        return false;
    event->accept();
    button->click();
    return true;
}
} // namespace

OptionButton::OptionButton(QWidget *parent, const InputDesign &design) : QRadioButton(design.caption, parent)
{
    setStyle(markerStyle());
    applyInputDesign(this, design);
    keepMarkReadable(this);
}

void OptionButton::keyPressEvent(QKeyEvent *event)
{
    if (!pressedByEnter(this, event))
        QRadioButton::keyPressEvent(event);
}

void CheckBox::keyPressEvent(QKeyEvent *event)
{
    if (!pressedByEnter(this, event))
        QCheckBox::keyPressEvent(event);
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    if (!pressedByEnter(this, event))
        QPushButton::keyPressEvent(event);
}

void OptionButton::setBackColor(const QColor &c)
{
    setWidgetColors(this, palette().color(QPalette::WindowText), c);
    keepMarkReadable(this);
}

void OptionButton::moveTo(double left, double top)
{
    const QRectF g = twips::geometryOf(this);
    twips::place(this, QRectF(left, top, g.width(), g.height()));
}

CheckBox::CheckBox(QWidget *parent, const InputDesign &design) : QCheckBox(design.caption, parent)
{
    setStyle(markerStyle());
    applyInputDesign(this, design);
    keepMarkReadable(this);
}

CommandButton::CommandButton(QWidget *parent, const InputDesign &design) : QPushButton(design.caption, parent)
{
    applyInputDesign(this, design);
    setAutoFillBackground(false);
}

TextBox::TextBox(QWidget *parent, const InputDesign &design, int maxLength) : QLineEdit(parent)
{
    applyInputDesign(this, design);
    setText(design.caption);
    if (maxLength > 0)
        setMaxLength(maxLength);
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    if (onKeyPress) {
        int keyAscii = 0;
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            keyAscii = 13;
        else if (event->key() == Qt::Key_Backspace)
            keyAscii = 8;
        else if (!event->text().isEmpty())
            keyAscii = event->text().at(0).unicode();
        if (keyAscii != 0) {
            const int original = keyAscii;
            onKeyPress(keyAscii);
            if (keyAscii == 0)
                return;
            if (keyAscii != original && keyAscii >= 32) {
                insert(QString(QChar(keyAscii)));
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}
