#pragma once
// Base of the controls that report the pointer: every event carries the
// button state and the position in twips relative to the control. While a
// button is held the control keeps the pointer (Qt's implicit grab), so a
// drag follows every move even when the pointer runs ahead of the control.
#include <QWidget>

struct MouseState {
    Qt::MouseButton button = Qt::NoButton; // the button that changed (press/release)
    Qt::MouseButtons buttons;              // buttons held
    Qt::KeyboardModifiers modifiers;
    double x = 0; // twips, relative to the control
    double y = 0;
};

// Positions are measured from the control's exact corner in twips, not from
// its rounded pixel corner, so a point on the screen maps to the same twips
// whichever control reports it, at any scale.
MouseState mouseStateFrom(const QMouseEvent *event, const QWidget *control = nullptr);

class MouseControl : public QWidget {
    Q_OBJECT
public:
    explicit MouseControl(QWidget *parent);

    // Twips geometry (exact, as last set).
    double left() const;
    double top() const;
    double width() const;
    double height() const;
    void moveTo(double left, double top);
    void setGeometryTwips(double left, double top, double width, double height);

signals:
    void mouseMoved(const MouseState &state);
    void mousePressed(const MouseState &state);
    void mouseReleased(const MouseState &state);
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool leftPressedInside_ = false;
};
