#include "toolkit/inputs.h"
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

void applyInputSpec(QWidget *widget, const InputSpec &spec)
{
    twips::place(widget, QRectF(spec.left, spec.top, spec.width, spec.height));
    widget->setFont(makeFont(spec.font));
    setWidgetColors(widget, spec.foreColor, spec.backColor);
}

OptionButton::OptionButton(QWidget *parent, const InputSpec &spec) : QRadioButton(spec.caption, parent)
{
    applyInputSpec(this, spec);
}

void OptionButton::setBackColor(const QColor &c)
{
    setWidgetColors(this, palette().color(QPalette::WindowText), c);
}

void OptionButton::moveTo(double left, double top)
{
    const QRectF g = twips::geometryOf(this);
    twips::place(this, QRectF(left, top, g.width(), g.height()));
}

CheckBox::CheckBox(QWidget *parent, const InputSpec &spec) : QCheckBox(spec.caption, parent) { applyInputSpec(this, spec); }

CommandButton::CommandButton(QWidget *parent, const InputSpec &spec) : QPushButton(spec.caption, parent)
{
    applyInputSpec(this, spec);
    setAutoFillBackground(false);
}

TextBox::TextBox(QWidget *parent, const InputSpec &spec, int maxLength) : QLineEdit(parent)
{
    applyInputSpec(this, spec);
    setText(spec.caption);
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
