#include "shell/pageviewer.h"

#include "common/commonsetup.h"
#include "common/designs.h"
#include "common/module1.h"
#include "common/printout.h"
#include "common/readaloud.h"
#include "shell/pagenames.h"
#include "toolkit/boundedfile.h"
#include "toolkit/builders.h"
#include "toolkit/contentpath.h"
#include "toolkit/hover.h"
#include "toolkit/keyboard.h"
#include "toolkit/speakerlabel.h"

namespace {
// The page's print copy, 1000 twips in from the left and top of the printable area.
constexpr double kPageMargin = 1000;

void printPagePicture(const Picture &page)
{
    printOnePage([&](PrinterSurface &printer) {
        printer.printLine(QString()); // an empty line starts the job
        printer.paintPicture(page, {kPageMargin, kPageMargin});
    });
}

// A page's words in reading order, kept by the page script beside its
// screen copy ("wmf\key fightersa.txt"), one heading, paragraph or entry a line.
QString pageText(QString pagePath)
{
    constexpr qint64 kLargestPageText = 64 * 1024;
    if (!pagePath.endsWith(QLatin1String(".wmf"), Qt::CaseInsensitive))
        return {};
    pagePath.replace(pagePath.size() - 3, 3, QStringLiteral("txt"));
    const std::optional<QByteArray> text = readWholeFile(resolveContentPath(pagePath), kLargestPageText);
    return text ? asSentences(QString::fromUtf8(*text).split('\n')) : QString();
}
} // namespace

PageViewer::PageViewer(const QString &name, double printCopyLeft, double printCopyTop) : Screen(name)
{
    using namespace viewer;
    Image1 = named(new ImageBox(this, 120, 0), QStringLiteral("Image1"));
    Image2 = named(new ImageBox(this, printCopyLeft, printCopyTop), QStringLiteral("Image2"));
    Image2->hide();
    Label1 = makeLabel(this, QStringLiteral("Label1"),
                       textLabel({}, 4200, 7920, 2295, 495, fonts::button, Qt::black).bordered().opaque().backedBy(Qt::white));
    makeLabels(this, Label3, QStringLiteral("Label3"),
               {
                   buttonLabel(Print, QStringLiteral("Print"), 10680, 120, 1125),
                   buttonLabel(Exit, QStringLiteral("Exit"), 10680, 7920, 1125),
                   buttonLabel(NextPage, QStringLiteral("Next Page"), 6720, 7920, 2685),
                   buttonLabel(PreviousPage, QStringLiteral("Previous Page"), 1320, 7920, 2685).disabled(),
               });
    wireHoverHighlight(*this, Label3);
    // The page covers most of the screen, so it clears the highlights too.
    connect(Image1, &MouseControl::mouseMoved, this, [this] { clearButtonHighlights(Label3); });
    Label3.onClick = [this](int index) { Label3_Click(index); };
    // Under "Print", clear of the guide's heading row.
    Speaker = makeSpeakerButton(*this, 10995, 840, QStringLiteral("Read the page aloud"));
    connect(Speaker, &MouseControl::clicked, this, [this] { readAloud(this, pageText(Image1->picturePath())); });
    setTabSequence({Label3[Print], Speaker, Label3[PreviousPage], Label3[NextPage], Label3[Exit]});
    escapePresses(this, Label3[Exit]);
}

void PageViewer::showPageLabel() { Label1->setCaption(pageLabelCaption(Module1.currentPage, pages())); }

// No click on a viewer plays a sound.
void PageViewer::Label3_Click(int index)
{
    using namespace viewer;
    switch (index) {
    case Print:
        printPagePicture(Image2->picture());
        break;
    case Exit:
        unload();
        break;
    case NextPage:
        Module1.currentPage += 1;
        Label3[PreviousPage]->setEnabled(true);
        changePage();
        break;
    case PreviousPage:
        Module1.currentPage -= 1;
        Label3[NextPage]->setEnabled(true);
        changePage();
        break;
    default:
        break;
    }
}

void PageViewer::changePage()
{
    const int page = Module1.currentPage;
    stopReading(this);
    if (page == pages())
        Label3[viewer::NextPage]->setEnabled(false);
    if (page == 1)
        Label3[viewer::PreviousPage]->setEnabled(false);
    const QString screenCopy = pageFile(QStringLiteral("wmf"), page);
    if (screenCopy.isEmpty()) {
        Image1->clearPicture();
        Image2->clearPicture();
    } else {
        Image1->loadPicture(screenCopy);
        Image2->loadPicture(pageFile(QStringLiteral("wmf2"), page));
    }
    showPageLabel();
}
