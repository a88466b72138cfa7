#pragma once
// A text label: caption, font, fore and back colour, opaque or transparent
// background, optional single-line border, alignment and word wrap. With a
// border and bold centred text it serves as a button.
#include "toolkit/fonts.h"
#include "toolkit/mousecontrol.h"

#include <QAccessible>
#include <QColor>

enum class BackStyle { Transparent, Opaque };

struct LabelDesign {
    int index = -1; // position in a control array; -1 for a single label
    QString caption;
    double left = 0, top = 0, width = 0, height = 0;
    FontDesign font;
    QColor foreColor = Qt::black;
    QColor backColor = Qt::white;
    BackStyle backStyle = BackStyle::Transparent;
    bool border = false;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool wordWrap = false;
    bool visible = true;
    bool enabled = true;
    // What it is to assistive technology: readable text unless it acts as a
    // button (reached with Tab, pressed with Enter or Space, as a click).
    QAccessible::Role role = QAccessible::StaticText;

    // Variations of a design, for the rows of a screen's table.
    LabelDesign at(int i) const { return with([i](LabelDesign &d) { d.index = i; }); }
    LabelDesign hidden() const { return with([](LabelDesign &d) { d.visible = false; }); }
    LabelDesign disabled() const { return with([](LabelDesign &d) { d.enabled = false; }); }
    LabelDesign opaque() const { return with([](LabelDesign &d) { d.backStyle = BackStyle::Opaque; }); }
    LabelDesign bordered() const { return with([](LabelDesign &d) { d.border = true; }); }
    LabelDesign wrapped() const { return with([](LabelDesign &d) { d.wordWrap = true; }); }
    LabelDesign backedBy(const QColor &c) const { return with([&c](LabelDesign &d) { d.backColor = c; }); }
    LabelDesign actsAs(QAccessible::Role r) const { return with([r](LabelDesign &d) { d.role = r; }); }

private:
    template <class Change>
    LabelDesign with(Change change) const
    {
        LabelDesign d = *this;
        change(d);
        return d;
    }
};

class Label : public MouseControl {
    Q_OBJECT
public:
    explicit Label(QWidget *parent, const LabelDesign &design = {});

    void setCaption(const QString &caption);
    QString caption() const { return caption_; }
    void setFontDesign(const FontDesign &font);
    const FontDesign &fontDesign() const { return font_; }
    void setForeColor(const QColor &c);
    QColor foreColor() const { return fore_; }
    void setBackColor(const QColor &c);
    QColor backColor() const { return back_; }
    void setBackStyle(BackStyle style);
    BackStyle backStyle() const { return backStyle_; }
    void setBorder(bool singleLine);
    bool hasBorder() const { return border_; }
    bool wordWrap() const { return wordWrap_; }
    // Symbol-font labels show Greek letters for the Latin caption.
    QString displayedText() const;
    // The room the caption has inside the border, in pixels.
    QRect textArea() const;
    // Buttons take the keyboard focus with Tab (never from a click).
    void setAccessibleRole(QAccessible::Role role);
    QAccessible::Role accessibleRole() const { return role_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void drawFocusMark(QPainter &p) const;

    QString caption_;
    FontDesign font_;
    QColor fore_, back_;
    BackStyle backStyle_ = BackStyle::Transparent;
    bool border_ = false;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    bool wordWrap_ = false;
    QAccessible::Role role_ = QAccessible::StaticText;
};
