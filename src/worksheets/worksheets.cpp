#include "worksheets/worksheets.h"

#include "quiz/multiple.h"
#include "shell/colours.h"
#include "shell/commonsetup.h"
#include "shell/grey.h"
#include "shell/intro0.h"
#include "shell/module1.h"
#include "toolkit/builders.h"
#include "toolkit/hover.h"
#include "toolkit/messagebox.h"
#include "worksheets/catalogueread.h"
#include "worksheets/cataloguepage.h"
#include "worksheets/delworksheet.h"
#include "worksheets/questionloader.h"
#include "worksheets/rightanswer.h"
#include "worksheets/wizard.h"
#include "worksheets/worksheetmessages.h"

#include <algorithm>

namespace {
enum Command { Exit = 0 };
enum PageCommand { PreviousPage = 0, NextPage = 1 };
const QColor kTickBack(0, 78, 152);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const FontDesign kSlotFont{QStringLiteral("Tahoma"), 12, true};

LabelDesign button(int index, const QString &caption, double l, double t, double w, double h, const FontDesign &font,
                 bool visible)
{
    LabelDesign s;
    s.index = index;
    s.caption = caption;
    s.left = l, s.top = t, s.width = w, s.height = h;
    s.font = font;
    s.foreColor = colours::text;
    s.backColor = colours::black;
    s.backStyle = BackStyle::Opaque;
    s.border = true;
    s.alignment = Qt::AlignHCenter;
    s.visible = visible;
    return s;
}

// Slot k: 1 to 12 down the left column, 13 to 24 down the right.
LabelDesign titleSlot(int k)
{
    const bool left = k <= 12;
    return button(k, {}, left ? 120 : 6120, 720 + 600 * (left ? k - 1 : k - 13), 5715, 375, kSlotFont, false);
}

InputDesign tickBox(const char *caption, double left, const QColor &fore)
{
    InputDesign s;
    s.caption = QString::fromLatin1(caption);
    s.left = left, s.top = 120, s.width = 2535, s.height = 375;
    s.font = kSlotFont;
    s.foreColor = fore;
    s.backColor = kTickBack;
    return s;
}

// The title in catalogue slot i, or nothing past the catalogue's end.
QString catalogueTitle(int i)
{
    return i >= 1 && i <= std::min(Module1.worksheetCount, maxWorksheets) ? Module1.worksheetTitles[i] : QString();
}
} // namespace

worksheets::worksheets() : Screen(QStringLiteral("worksheets"))
{
    LabelDesign heading;
    heading.caption = QStringLiteral("Worksheets Catalogue");
    heading.left = 0, heading.top = 0, heading.width = 12000, heading.height = 780;
    heading.font = {QStringLiteral("Tahoma"), 24, true};
    heading.foreColor = colours::text;
    heading.alignment = Qt::AlignHCenter;
    Label1 = makeLabel(this, QStringLiteral("Label1"), heading);

    Check1 = named(new CheckBox(this, tickBox("Edit Worksheet", 120, colours::text)), QStringLiteral("Check1"));
    Check2 = named(new CheckBox(this, tickBox("Delete Worksheet", 9240, kRed)), QStringLiteral("Check2"));

    const FontDesign commandFont{QStringLiteral("Tahoma"), 15.75, true};
    makeLabels(this, Label2, QStringLiteral("Label2"),
               {
                   button(Exit, QStringLiteral("Exit"), 10560, 7920, 1245, 495, {QStringLiteral("Tahoma"), 18, true}, true),
               });
    for (int k = 1; k <= titlesPerPage; ++k)
        Label2.add(k, makeLabel(this, arrayMemberName("Label2", k), titleSlot(k)));

    LabelDesign page;
    page.caption = QStringLiteral("Page 1");
    page.left = 120, page.top = 7920, page.width = 1995, page.height = 495;
    page.font = commandFont;
    page.foreColor = kBlue;
    page.backColor = Qt::white;
    page.backStyle = BackStyle::Opaque;
    page.alignment = Qt::AlignHCenter;
    Label4 = makeLabel(this, QStringLiteral("Label4"), page);

    makeLabels(this, Label3, QStringLiteral("Label3"),
               {
                   button(PreviousPage, QStringLiteral("<< Previous Page"), 2640, 7920, 3195, 495, commandFont, false),
                   button(NextPage, QStringLiteral("Next Page >>"), 6000, 7920, 3195, 495, commandFont, false),
               });

    // At most one mode is ticked: ticking one clears the other.
    connect(Check1, &QCheckBox::toggled, this, [this](bool ticked) {
        if (ticked)
            Check2->setChecked(false);
    });
    connect(Check2, &QCheckBox::toggled, this, [this](bool ticked) {
        if (ticked)
            Check1->setChecked(false);
    });
    Label2.onClick = [this](int index) { Label2_Click(index); };
    Label3.onClick = [this](int index) { Label3_Click(index); };
    wireHoverHighlight(*this, Label2); // the page commands have no highlight
}

// A damaged catalogue file is read as far as it goes, without a message.
void worksheets::load()
{
    commonSetup(*this);
    readCatalogue(CatalogueReadPolicy::SkipFailedSteps);
    setWidgetColors(Check1, colours::text, kTickBack);
    setWidgetColors(Check2, kRed, kTickBack);
    Module1.cataloguePage = 0;
    for (int k = 1; k <= titlesPerPage; ++k) {
        Label2[k]->setVisible(false);
        Label2[k]->setFontDesign(kSlotFont);
    }
    const CataloguePageView view = cataloguePageView(0, Module1.worksheetCount);
    Label3[NextPage]->setVisible(view.nextShown);
    showSlots(view.firstTitle, view.lastTitle);
}

void worksheets::workpage()
{
    const CataloguePageView view = cataloguePageView(Module1.cataloguePage, Module1.worksheetCount);
    for (int k = 1; k <= titlesPerPage; ++k) {
        Label2[k]->setCaption(QString());
        Label2[k]->setVisible(false);
    }
    Label3[PreviousPage]->setVisible(view.previousShown);
    Label3[NextPage]->setVisible(view.nextShown);
    Label4->setCaption(view.pageLabel);
    showSlots(view.firstTitle, view.lastTitle);
}

// Catalogue titles firstTitle to lastTitle go into slots 1 onwards.
void worksheets::showSlots(int firstTitle, int lastTitle)
{
    for (int i = firstTitle; i <= lastTitle; ++i) {
        Label *slot = Label2[i - firstTitle + 1];
        slot->setCaption(catalogueTitle(i));
        slot->setVisible(true);
    }
}

void worksheets::Label3_Click(int index)
{
    Module1.cataloguePage += index == NextPage ? 1 : -1;
    workpage();
    playIfSoundOn(QStringLiteral("wav\\click.wav"));
}

// Here the click sound comes first: "Exit" closes the screen and a title may
// open another screen or ask a question.
void worksheets::Label2_Click(int index)
{
    playIfSoundOn(QStringLiteral("wav\\click.wav"));
    if (index == Exit) {
        touch<intro0>().showScreen();
        unload();
        return;
    }
    openTitle(Label2[index]->caption());
}

// Every mode loads the worksheet first. One that cannot be loaded (missing or
// cut short) is reported and opens nothing, but it can still be deleted: a
// broken title must not stay in the catalogue for good.
void worksheets::openTitle(const QString &title)
{
    const bool loaded = loadWorksheetQuestions(title) == QuestionFileLoad::Loaded;
    if (!loaded && !Check2->isChecked()) {
        messageBox(corruptedMessage);
        return;
    }
    if (Check1->isChecked())
        editworksheet();
    else if (Check2->isChecked())
        deleteWorksheet(title);
    else
        answerWorksheet();
}

// The quiz shows the main menu's picture and title; reading them loads the
// main menu, hidden, when it is not loaded.
void worksheets::answerWorksheet()
{
    if (firstQuestionWithoutRightAnswer()) {
        messageBox(corruptedMessage);
        return;
    }
    multiple &quiz = touch<multiple>();
    intro0 &menu = touch<intro0>();
    quiz.Picture1->setPicture(menu.Image1->picture());
    quiz.Label5->setCaption(menu.Label1->caption());
    quiz.showScreen();
}

// Fills the wizard's boxes with the loaded worksheet and shows it above this
// screen. A right answer that is not 1 to 4 would tick no box of its own
// question, so such a worksheet is reported before the wizard is touched.
void worksheets::editworksheet()
{
    if (firstQuestionWithoutRightAnswer()) {
        messageBox(corruptedMessage);
        return;
    }
    wizard &editor = touch<wizard>();
    editor.Text1->setText(Module1.quizTitle);
    for (int q = 0; q < 10; ++q) {
        editor.Text2[q]->setText(Module1.questionText[q + 1]);
        editor.Text3[4 * q]->setText(Module1.answerA[q + 1]);
        editor.Text3[4 * q + 1]->setText(Module1.answerB[q + 1]);
        editor.Text3[4 * q + 2]->setText(Module1.answerC[q + 1]);
        editor.Text3[4 * q + 3]->setText(Module1.answerD[q + 1]);
        const int right = *rightAnswerChoice(Module1.correctAnswer[q + 1]);
        for (int a = 0; a < 4; ++a)
            editor.Check1[4 * q + a]->setChecked(a == right - 1);
    }
    editor.showScreen();
}

// After OK the title leaves the catalogue file (its worksheet file stays) and
// the page on show closes up; the page label and commands stay as they were.
void worksheets::deleteWorksheet(const QString &title)
{
    const QString question = QStringLiteral("Are you sure that you want to delete the worksheet ") + title
        + QStringLiteral("?");
    if (messageBox(question, MsgButtons::OkCancel) != MsgResult::Ok)
        return;
    Module1.selectedWorksheet = title;
    if (delworksheet() == DeleteOutcome::Failed) {
        messageBox(corruptedMessage);
        return;
    }
    // Deleted, or already gone from the file: either way the page shows the
    // catalogue as the file now holds it.
    const int first = titlesPerPage * Module1.cataloguePage + 1;
    for (int k = 1; k <= titlesPerPage; ++k) {
        Label2[k]->setVisible(false);
        Label2[k]->setCaption(catalogueTitle(first + k - 1));
    }
    showSlots(first, std::min(first + titlesPerPage - 1, Module1.worksheetCount));
}
