#pragma once
// Option buttons (exclusive within their container, as classroom PCs group
// them), check boxes, single-line text boxes and push buttons, all placed in
// twips with a font and colours. Enter presses a focused button, tick box or
// round button as Space and a click do.
#include "toolkit/fonts.h"

#include <QCheckBox>
#include <QColor>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

struct InputDesign {
    QString caption;
    double left = 0, top = 0, width = 0, height = 0;
    FontDesign font;
    QColor foreColor = Qt::black;
    QColor backColor = QColor(192, 192, 192); // the classic button face
};

// Applies geometry, font and colours shared by every input control.
void applyInputDesign(QWidget *widget, const InputDesign &design);
void setWidgetColors(QWidget *widget, const QColor &fore, const QColor &back);

class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    OptionButton(QWidget *parent, const InputDesign &design);
    void setBackColor(const QColor &c);
    // Moves the button, keeping its size (twips).
    void moveTo(double left, double top);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    CheckBox(QWidget *parent, const InputDesign &design);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(QWidget *parent, const InputDesign &design);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// A text box with a length limit. onKeyPress sees each typed character as
// its character code and may change it, or set it to 0 to swallow the key.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    TextBox(QWidget *parent, const InputDesign &design, int maxLength = 0);
    std::function<void(int &keyAscii)> onKeyPress;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
