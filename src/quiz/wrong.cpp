#include "quiz/wrong.h"

#include "quiz/welldone.h"
#include "shell/colours.h"
#include "shell/commonsetup.h"
#include "toolkit/builders.h"

namespace {
constexpr int kLines = 10;

LabelDesign text(int index, const QString &caption, double l, double t, double points, QColor fore,
               Qt::Alignment alignment, bool visible = true)
{
    LabelDesign s;
    s.index = index;
    s.caption = caption;
    s.left = l, s.top = t, s.width = 12000, s.height = 540;
    s.font = {QStringLiteral("Tahoma"), points, true};
    s.foreColor = fore;
    s.alignment = alignment;
    s.visible = visible;
    return s;
}
} // namespace

Wrong::Wrong() : Screen(QStringLiteral("Wrong"))
{
    Label6 = makeLabel(this, "Label6", text(-1, {}, 0, 120, 20.25, colours::text, Qt::AlignHCenter));
    Label4 = makeLabel(this, "Label4",
                       text(-1, "You answered the following questions incorrectly.", 240, 960, 15.75, colours::text,
                            Qt::AlignLeft));
    for (int k = 0; k < kLines; ++k)
        Label2.add(k, makeLabel(this, arrayMemberName("Label2", k),
                                text(k, {}, 120, 1680 + 600 * k, 15.75, Qt::white, Qt::AlignLeft, false)));
    Label5 = makeLabel(this, "Label5",
                       text(-1, "Read the Key Facts and try again.", 0, 7920, 20.25, colours::text, Qt::AlignHCenter));

    // The one button keeps its black box: this screen has no hover highlight.
    LabelDesign exit;
    exit.index = 1;
    exit.caption = QStringLiteral("Exit");
    exit.left = 10560, exit.top = 7920, exit.width = 1245, exit.height = 495;
    exit.font = {QStringLiteral("Tahoma"), 15.75, true};
    exit.foreColor = colours::text;
    exit.backColor = colours::black;
    exit.backStyle = BackStyle::Opaque;
    exit.border = true;
    exit.alignment = Qt::AlignHCenter;
    makeLabels(this, Label3, "Label3", {exit});
    Label3.onClick = [this](int index) { Label3_Click(index); };
}

void Wrong::load() { commonSetup(*this); }

void Wrong::Label3_Click(int)
{
    if (isLoaded<Welldone>())
        touch<Welldone>().unload();
    unload();
}
