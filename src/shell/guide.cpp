#include "shell/guide.h"
#include "shell/colours.h"
#include "shell/commonsetup.h"
#include "shell/module1.h"
#include "shell/pagenames.h"
#include "shell/pageprint.h"
#include "shell/viewerbuttons.h"
#include "toolkit/builders.h"
#include "toolkit/hover.h"

namespace {
constexpr int kGuidePages = 5;
}

guide::guide() : Screen(QStringLiteral("guide"))
{
    Image1 = named(new ImageBox(this, 120, 0), QStringLiteral("Image1"));
    Image2 = named(new ImageBox(this, 120, -240), QStringLiteral("Image2"));
    Image2->hide();
    LabelDesign heading;
    heading.left = 0, heading.top = 120, heading.width = 11775, heading.height = 615;
    heading.font = {QStringLiteral("Tahoma"), 14.25};
    heading.foreColor = colours::text;
    heading.alignment = Qt::AlignHCenter;
    Label2 = makeLabel(this, QStringLiteral("Label2"), heading);
    Label1 = makePageLabel(this, pageLabelCaption(1, kGuidePages));
    makeViewerButtons(this, Label3);

    wireHoverHighlight(*this, Label3);
    connect(Image1, &MouseControl::mouseMoved, this, [this] { clearButtonHighlights(Label3); });
    connect(Label2, &MouseControl::mouseMoved, this, [this] { clearButtonHighlights(Label3); });
    Label3.onClick = [this](int index) { Label3_Click(index); };
}

void guide::load() { commonSetup(*this); }

void guide::Label3_Click(int index)
{
    switch (index) {
    case viewer::Print:
        printPagePicture(Image2->picture());
        break;
    case viewer::Exit:
        unload();
        break;
    case viewer::NextPage:
        Module1.currentPage += 1;
        changePage();
        break;
    case viewer::PreviousPage:
        Module1.currentPage -= 1;
        changePage();
        break;
    default:
        break;
    }
}

void guide::changePage()
{
    const int page = Module1.currentPage;
    if (page < 1 || page > kGuidePages)
        return;
    Label2->setCaption(QString());
    Image1->loadPicture(guidePageFileName(QStringLiteral("wmf"), page));
    Image2->loadPicture(guidePageFileName(QStringLiteral("wmf2"), page));
    Label3[viewer::PreviousPage]->setEnabled(page != 1);
    if (page != 1)
        Label3[viewer::NextPage]->setEnabled(page != kGuidePages);
    Label1->setCaption(pageLabelCaption(page, kGuidePages));
}
