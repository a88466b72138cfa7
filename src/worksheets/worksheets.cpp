#include "worksheets/worksheets.h"

#include "common/colours.h"
#include "common/commonsetup.h"
#include "common/designs.h"
#include "common/grey.h"
#include "common/mainmenu.h"
#include "common/module1.h"
#include "common/questionset.h"
#include "common/sounds.h"
#include "quiz/multiple.h"
#include "quiz/worksheetprint.h"
#include "toolkit/builders.h"
#include "toolkit/hover.h"
#include "toolkit/keyboard.h"
#include "toolkit/messagebox.h"
#include "toolkit/whilebusy.h"
#include "worksheets/cataloguepage.h"
#include "worksheets/catalogueread.h"
#include "worksheets/delworksheet.h"
#include "worksheets/questionloader.h"
#include "worksheets/wizard.h"
#include "worksheets/worksheetexport.h"
#include "worksheets/worksheetmessages.h"
#include "worksheets/worksheettransfer.h"

#include <algorithm>

namespace {
enum Command { Exit = 0 };
enum PageCommand { PreviousPage = 0, NextPage = 1 };
enum TransferCommand { ImportWorksheet = 0, ExportAll = 1 };
const FontDesign kSlotFont = fonts::tahoma(12);

// Slot k: 1 to 12 down the left column, 13 to 24 down the right.
LabelDesign titleSlot(int k)
{
    const bool left = k <= titlesPerPage / 2;
    const int row = left ? k - 1 : k - 1 - titlesPerPage / 2;
    return buttonLabel(k, {}, left ? 120 : 6120, 720 + 600 * row, 5715, 375, kSlotFont).opaque().hidden();
}

// The title in catalogue slot i, or nothing past the catalogue's end.
QString catalogueTitle(int i)
{
    return i >= 1 && i <= std::min(Module1.worksheetCount, maxWorksheets) ? Module1.worksheetTitles[i] : QString();
}
} // namespace

worksheets::worksheets() : Screen(QStringLiteral("worksheets"))
{
    Label1 = makeLabel(this, QStringLiteral("Label1"),
                       textLabel(QStringLiteral("Worksheets Catalogue"), 0, 0, 12000, 780, fonts::tahoma(24)));
    Check1 = named(new CheckBox(this, inputDesign(QStringLiteral("Edit Worksheet"), 120, 120, 2535, 375, kSlotFont,
                                                  colours::text, colours::tickBack)),
                   QStringLiteral("Check1"));
    Check2 = named(new CheckBox(this, inputDesign(QStringLiteral("Delete Worksheet"), 9240, 120, 2535, 375, kSlotFont,
                                                  colours::red, colours::tickBack)),
                   QStringLiteral("Check2"));
    makeLabels(this, Label2, QStringLiteral("Label2"),
               {buttonLabel(Exit, QStringLiteral("Exit"), 10560, 7920, 1245, 495, fonts::tahoma(18)).opaque()});
    for (int k = 1; k <= titlesPerPage; ++k)
        Label2.add(k, makeLabel(this, arrayMemberName(QStringLiteral("Label2"), k), titleSlot(k)));
    Label4 = makeLabel(this, QStringLiteral("Label4"),
                       textLabel(QStringLiteral("Page 1"), 120, 7920, 1995, 495, fonts::button, colours::blue)
                           .opaque()
                           .backedBy(colours::white));
    makeLabels(this, Label3, QStringLiteral("Label3"),
               {
                   buttonLabel(PreviousPage, QStringLiteral("<< Previous Page"), 2640, 7920, 3195).opaque().hidden(),
                   buttonLabel(NextPage, QStringLiteral("Next Page >>"), 6000, 7920, 3195).opaque().hidden(),
               });
    buildTransferControls();
    keepOneModeTicked();
    Label2.onClick = [this](int index) { Label2_Click(index); };
    Label3.onClick = [this](int index) { Label3_Click(index); };
    Label5.onClick = [this](int index) { Label5_Click(index); };
    wireHoverHighlight(*this, Label2); // the page commands have no highlight
    Label5.onMouseMove = [this](int index, const MouseState &) { highlightButton(Label5, index); };
    onMouseMove = [this](const MouseState &) {
        clearButtonHighlights(Label2);
        clearButtonHighlights(Label5);
    };
    QList<QWidget *> order{Check1, Check2};
    for (int k = 1; k <= titlesPerPage; ++k)
        order << Label2[k];
    order << Label3[PreviousPage] << Label3[NextPage] << Label2[Exit] << Check3 << Check4 << Label5[ImportWorksheet]
          << Label5[ExportAll];
    setTabSequence(order);
    escapePresses(this, Label2[Exit]);
}

// The row below the page commands, the one strip of the screen left free:
// two more modes for a title's click beside the first two, and the two
// commands that need no title, as button labels in the title slots' font.
void worksheets::buildTransferControls()
{
    constexpr double top = 8505, width = 2535, height = 375;
    auto mode = [this](const QString &caption, double left, const QString &name) {
        return named(new CheckBox(this, inputDesign(caption, left, top, width, height, kSlotFont, colours::text,
                                                    colours::tickBack)),
                     name);
    };
    Check3 = mode(QStringLiteral("Export Worksheet"), 120, QStringLiteral("Check3"));
    Check4 = mode(QStringLiteral("Print Answer Key"), 3160, QStringLiteral("Check4"));
    makeLabels(this, Label5, QStringLiteral("Label5"),
               {
                   buttonLabel(ImportWorksheet, QStringLiteral("Import Worksheet"), 6200, top, width, height, kSlotFont).opaque(),
                   buttonLabel(ExportAll, QStringLiteral("Export All"), 9240, top, width, height, kSlotFont).opaque(),
               });
}

// At most one mode is ticked: ticking one clears the others.
void worksheets::keepOneModeTicked()
{
    const QList<CheckBox *> modes{Check1, Check2, Check3, Check4};
    for (CheckBox *mode : modes)
        connect(mode, &QCheckBox::toggled, this, [mode, modes](bool ticked) {
            for (CheckBox *other : modes)
                if (ticked && other != mode)
                    other->setChecked(false);
        });
}

// A damaged catalogue file is read as far as it goes, without a message.
void worksheets::load()
{
    commonSetup(*this);
    keepCatalogue(readCatalogue(CatalogueReadPolicy::SkipFailedSteps, Module1.worksheetCount));
    setWidgetColors(Check1, colours::text, colours::tickBack);
    setWidgetColors(Check2, colours::red, colours::tickBack);
    setWidgetColors(Check3, colours::text, colours::tickBack);
    setWidgetColors(Check4, colours::text, colours::tickBack);
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
    playIfSoundOn(sounds::click);
}

// Here the click sound comes first: "Exit" closes the screen and a title may
// open another screen or ask a question.
void worksheets::Label2_Click(int index)
{
    playIfSoundOn(sounds::click);
    if (index == Exit) {
        mainMenu().showScreen();
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
    else if (Check3->isChecked())
        exportListed(title);
    else if (Check4->isChecked())
        printKey(title);
    else
        answerWorksheet();
}

// Exported under the title listed, which its file cannot keep exactly.
void worksheets::exportListed(const QString &title)
{
    if (const auto worksheet = loadedWorksheet(title))
        exportWorksheetToFile(*worksheet);
    else
        messageBox(corruptedMessage);
}

// The key of the listed title, under the main menu's title, as the quiz prints the worksheet.
void worksheets::printKey(const QString &title)
{
    if (firstQuestionWithoutRightAnswer())
        messageBox(corruptedMessage);
    else
        printAnswerKey(mainMenu().title(), title);
}

void worksheets::Label5_Click(int index)
{
    playIfSoundOn(sounds::click);
    if (index == ImportWorksheet) {
        importWorksheetFromFile();
        return;
    }
    QStringList titles;
    for (int i = 1; i <= std::min(Module1.worksheetCount, maxWorksheets); ++i)
        titles << Module1.worksheetTitles[i];
    exportAllToFile(titles);
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
    const MainMenu &menu = mainMenu();
    quiz.Picture1->setPicture(menu.picture());
    quiz.Label5->setCaption(menu.title());
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
    for (int q = 0; q < questionsPerSet; ++q) {
        const int k = q + 1;
        editor.Text2[q]->setText(Module1.questionText[k]);
        const QString answers[answersPerQuestion] = {Module1.answerA[k], Module1.answerB[k], Module1.answerC[k],
                                                     Module1.answerD[k]};
        const int right = *rightAnswerChoice(Module1.correctAnswer[k]);
        for (int a = 0; a < answersPerQuestion; ++a) {
            editor.Text3[answersPerQuestion * q + a]->setText(answers[a]);
            editor.Check1[answersPerQuestion * q + a]->setChecked(a == right - 1);
        }
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
    DeleteResult deleted{DeleteOutcome::Failed, StoreProblem::None, {}};
    runWhileBusy([&] { deleted = delworksheet(Module1.selectedWorksheet); });
    if (deleted.outcome == DeleteOutcome::Failed) {
        messageBox(deleteProblemMessage(deleted.problem, deleted.folder, title));
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
