#pragma once
// A plain etched frame around a group of controls, placed in twips.
#include <QFrame>

class Frame : public QFrame {
    Q_OBJECT
public:
    Frame(QWidget *parent, double left, double top, double width, double height);
};
