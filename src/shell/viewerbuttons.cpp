#include "shell/viewerbuttons.h"
#include "shell/buttonlabel.h"
#include "shell/colours.h"
#include "toolkit/builders.h"

namespace {
const FontDesign kButtonFont{QStringLiteral("Tahoma"), 15.75, true};

LabelDesign button(int index, const char *caption, double left, double top, double width, bool enabled = true)
{
    LabelDesign s = buttonLabel(index, QString::fromUtf8(caption), left, top, width);
    s.enabled = enabled;
    return s;
}
} // namespace

void makeViewerButtons(QWidget *screen, ControlArray<Label> &buttons)
{
    makeLabels(screen, buttons, QStringLiteral("Label3"),
               {
                   button(viewer::Print, "Print", 10680, 120, 1125),
                   button(viewer::Exit, "Exit", 10680, 7920, 1125),
                   button(viewer::NextPage, "Next Page", 6720, 7920, 2685),
                   button(viewer::PreviousPage, "Previous Page", 1320, 7920, 2685, false),
               });
}

Label *makePageLabel(QWidget *screen, const QString &caption)
{
    LabelDesign s;
    s.caption = caption;
    s.left = 4200, s.top = 7920, s.width = 2295, s.height = 495;
    s.font = kButtonFont;
    s.foreColor = Qt::black;
    s.backColor = Qt::white;
    s.backStyle = BackStyle::Opaque;
    s.border = true;
    s.alignment = Qt::AlignHCenter;
    return makeLabel(screen, QStringLiteral("Label1"), s);
}
