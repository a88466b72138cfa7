#include "shell/teacher.h"

#include "common/colours.h"
#include "common/commonsetup.h"
#include "common/module1.h"
#include "shell/pagenames.h"
#include "toolkit/builders.h"

teacher::teacher() : PageViewer(QStringLiteral("teacher"), 0, 0)
{
    Picture1 = named(new PictureBox(this, 8520, 4320, 1800, 1800), QStringLiteral("Picture1"));
    Picture1->hide();
    Picture2 = named(new PictureBox(this, 8550, 6240, 1800, 1335), QStringLiteral("Picture2"));
    Picture2->setBackColor(colours::lavender);
    Picture2->hide();
    Timer1 = named(new Timer(this, 25, false), QStringLiteral("Timer1"));
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
    showPageLabel();
}

int teacher::pages() const { return Module1.pageCount; }

QString teacher::pageFile(const QString &folder, int page) const
{
    return pageFileName(folder, Module1.pageBaseName, page);
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
