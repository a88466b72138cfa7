#include "toolkit/builders.h"

Label *makeLabel(QWidget *screen, const QString &name, const LabelDesign &design)
{
    return named(new Label(screen, design), name);
}

void makeLabels(QWidget *screen, ControlArray<Label> &array, const QString &name, std::initializer_list<LabelDesign> designs)
{
    for (const LabelDesign &design : designs)
        array.add(design.index, makeLabel(screen, arrayMemberName(name, design.index), design));
}

QString arrayMemberName(const QString &name, int index) { return QStringLiteral("%1(%2)").arg(name).arg(index); }
