#pragma once
// Builds a screen's controls from its design tables, naming each control the
// way the screen refers to it ("Label1", "Label3(2)").
#include "toolkit/controlarray.h"
#include "toolkit/label.h"

#include <initializer_list>

class QWidget;

Label *makeLabel(QWidget *screen, const QString &name, const LabelDesign &design);
void makeLabels(QWidget *screen, ControlArray<Label> &array, const QString &name, std::initializer_list<LabelDesign> designs);

template <class Control>
Control *named(Control *control, const QString &name)
{
    control->setObjectName(name);
    return control;
}

// Name of member index of a control array, e.g. "Label3(2)".
QString arrayMemberName(const QString &name, int index);
