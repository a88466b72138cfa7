#include "toolkit/builders.h"

Label *makeLabel(QWidget *screen, const QString &name, const LabelSpec &spec)
{
    return named(new Label(screen, spec), name);
}

void makeLabels(QWidget *screen, ControlArray<Label> &array, const QString &name, std::initializer_list<LabelSpec> specs)
{
    for (const LabelSpec &spec : specs)
        array.add(spec.index, makeLabel(screen, arrayMemberName(name, spec.index), spec));
}

QString arrayMemberName(const QString &name, int index) { return QStringLiteral("%1(%2)").arg(name).arg(index); }
