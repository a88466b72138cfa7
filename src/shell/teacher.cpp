#include "shell/teacher.h"
#include "shell/commonsetup.h"
#include "shell/module1.h"
#include "shell/pagenames.h"
#include "shell/pageprint.h"
#include "shell/viewerbuttons.h"
#include "toolkit/builders.h"
#include "toolkit/hover.h"

teacher::teacher() : Screen(QStringLiteral("teacher"))
{
    Image1 = named(new ImageBox(this, 120, 0), QStringLiteral("Image1"));
    Image2 = named(new ImageBox(this, 0, 0), QStringLiteral("Image2"));
    Image2->hide();
    Picture1 = named(new PictureBox(this, 8520, 4320, 1800, 1800), QStringLiteral("Picture1"));
    Picture1->hide();
    Picture2 = named(new PictureBox(this, 8550, 6240, 1800, 1335), QStringLiteral("Picture2"));
    Picture2->setBackColor(QColor(128, 128, 255));
    Picture2->hide();
    Label1 = makePageLabel(this, QString());
    makeViewerButtons(this, Label3);
    Timer1 = named(new Timer(this, 25, false), QStringLiteral("Timer1"));

    wireHoverHighlight(*this, Label3);
    // The page covers most of the screen, so it clears the highlights too.
    connect(Image1, &MouseControl::mouseMoved, this, [this] { clearButtonHighlights(Label3); });
    Label3.onClick = [this](int index) { Label3_Click(index); };
    Timer1->onTick = [this] { Timer1_Timer(); };
}

void teacher::load()
{
    commonSetup(*this);
    if (Module1.pageCount == 1) {
        Label1->hide();
        Label3[viewer::NextPage]->hide();
        Label3[viewer::PreviousPage]->hide();
    }
    Module1.currentPage = 1;
    Label1->setCaption(pageLabelCaption(Module1.currentPage, Module1.pageCount));
}

void teacher::Label3_Click(int index)
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
        Label3[viewer::PreviousPage]->setEnabled(true);
        changePage();
        break;
    case viewer::PreviousPage:
        Module1.currentPage -= 1;
        Label3[viewer::NextPage]->setEnabled(true);
        changePage();
        break;
    default:
        break;
    }
}

void teacher::changePage()
{
    if (Module1.currentPage == Module1.pageCount)
        Label3[viewer::NextPage]->setEnabled(false);
    if (Module1.currentPage == 1)
        Label3[viewer::PreviousPage]->setEnabled(false);
    const QString screenCopy = pageFileName(QStringLiteral("wmf"), Module1.pageBaseName, Module1.currentPage);
    const QString printCopy = pageFileName(QStringLiteral("wmf2"), Module1.pageBaseName, Module1.currentPage);
    if (screenCopy.isEmpty()) {
        Image1->clearPicture();
        Image2->clearPicture();
    } else {
        Image1->loadPicture(screenCopy);
        Image2->loadPicture(printCopy);
    }
    Label1->setCaption(pageLabelCaption(Module1.currentPage, Module1.pageCount));
}

// Turns the logo one frame on; the frame number outlives the screen, so the
// next visit carries on where this one stopped.
void teacher::Timer1_Timer()
{
    Module1.logoFrame = nextLogoFrame(Module1.logoFrame);
    Picture1->loadPicture(logoFrameFileName(Module1.logoFrame));
    Picture1->show();
    Picture2->show();
}
