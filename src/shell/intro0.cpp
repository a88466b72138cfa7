#include "shell/intro0.h"

#include "common/colours.h"
#include "common/commonsetup.h"
#include "common/designs.h"
#include "common/grey.h"
#include "common/module1.h"
#include "common/sounds.h"
#include "common/unitdescription.h"
#include "shell/guide.h"
#include "shell/teacher.h"
#include "shell/titlefrm.h"
#include "shell/topicmenu.h"
#include "toolkit/builders.h"
#include "toolkit/hover.h"
#include "toolkit/keyboard.h"
#include "toolkit/messagebox.h"
#include "worksheets/catalogueread.h"
#include "worksheets/wizard.h"
#include "worksheets/worksheets.h"

#include <map>

namespace {
// The menu entries, by index.
enum Entry {
    GreekFighters = 1,
    GreekWriting = 5,
    Exit = 16,
    MultipleChoiceWizard = 17,
    WorksheetCatalogue = 18,
    Acknowledgments = 19,
    TeachersGuide = 20,
};

// The footer shares its row with "Acknowledgments" and "Exit": short
// enough to stand clear of both.
const QString kFooter = QStringLiteral("Velmora \u2022 Quorvane Publishing Ltd");
const FontDesign kUnitFont = fonts::tahoma(12);

// The entries of the units described in the content, and the folder of each.
// Nothing of a unit is read before its entry is clicked.
const std::map<int, QString> kDescribedUnits{
    {15, QStringLiteral("where")},    {0, QStringLiteral("athens")},     {2, QStringLiteral("trade")},
    {3, QStringLiteral("marathon")},  {4, QStringLiteral("beliefs")},    {6, QStringLiteral("schools")},
    {7, QStringLiteral("theatre")},   {8, QStringLiteral("olympics")},   {9, QStringLiteral("builders")},
    {10, QStringLiteral("thinkers")}, {11, QStringLiteral("alexander")}, {12, QStringLiteral("decline")},
    {13, QStringLiteral("legacy")},
};
} // namespace

intro0::intro0() : MainMenu(QStringLiteral("intro0"))
{
    Label1 = makeLabel(this, QStringLiteral("Label1"),
                       textLabel(QStringLiteral("Velmora"), 0, 120, 12000, 900, fonts::tahoma(32.25)));
    Label3 = makeLabel(this, QStringLiteral("Label3"), textLabel(kFooter, 0, 8280, 12000, 375, fonts::tahoma(9.75, false)));
    Image1 = named(new ImageBox(this, 6840, 1440, 4830, 3660), QStringLiteral("Image1"));
    const FontDesign switchFont = fonts::tahoma(9.75);
    Option1 = named(new OptionButton(this, inputDesign(QStringLiteral("Sound On"), 10440, 120, 1455, 255, switchFont)),
                    QStringLiteral("Option1"));
    Option2 = named(new OptionButton(this, inputDesign(QStringLiteral("Sound Off"), 10440, 480, 1455, 255, switchFont)),
                    QStringLiteral("Option2"));
    Option1->setChecked(true);
    Timer1 = named(new Timer(this, 1, false), QStringLiteral("Timer1"));

    makeLabels(this, Label2, QStringLiteral("Label2"),
               {
                   buttonLabel(TeachersGuide, "Teachers' Guide", 120, 1080, 3075, 495, fonts::tahoma(14.25)).backedBy(colours::navy),
                   buttonLabel(15, "Where and When", 120, 2040, 3075, 375, kUnitFont),
                   buttonLabel(0, "Athens and Sparta", 120, 2640, 3075, 375, kUnitFont),
                   buttonLabel(GreekFighters, "Greek Fighters", 120, 3240, 3075, 375, kUnitFont),
                   buttonLabel(2, "Mediterranean Trade", 120, 3840, 3075, 375, kUnitFont),
                   buttonLabel(3, "The Battle of Marathon", 120, 4440, 3075, 375, kUnitFont),
                   buttonLabel(4, "Greek Beliefs", 120, 5040, 3075, 375, kUnitFont),
                   buttonLabel(GreekWriting, "Greek Writing", 120, 5640, 3075, 375, kUnitFont),
                   buttonLabel(6, "Ancient Greek Schools", 120, 6240, 3075, 375, kUnitFont),
                   buttonLabel(7, "The Theatre", 3360, 2040, 3075, 375, kUnitFont),
                   buttonLabel(8, "The Olympic Games", 3360, 2640, 3075, 375, kUnitFont),
                   buttonLabel(9, "Builders and Architects", 3360, 3240, 3075, 375, kUnitFont),
                   buttonLabel(10, "Great Thinkers", 3360, 3840, 3075, 375, kUnitFont),
                   buttonLabel(11, "Alexander the Great", 3360, 4440, 3075, 375, kUnitFont),
                   buttonLabel(12, "Triumph and Decline", 3360, 5040, 3075, 375, kUnitFont),
                   buttonLabel(13, "The Legacy of Greece", 3360, 5640, 3075, 375, kUnitFont),
                   buttonLabel(MultipleChoiceWizard, "Multiple Choice Wizard", 6930, 5760, 4635, 495, fonts::tahoma(18))
                       .backedBy(colours::navy),
                   buttonLabel(WorksheetCatalogue, "Worksheet Catalogue", 6930, 6600, 4635, 495, fonts::tahoma(18))
                       .backedBy(colours::navy),
                   buttonLabel(Acknowledgments, "Acknowledgments", 120, 7920, 3075, 495, fonts::tahoma(14.25))
                       .backedBy(colours::navy),
                   buttonLabel(Exit, "Exit", 10560, 7920, 1245, 495, fonts::tahoma(18)),
               });

    wireHoverHighlight(*this, Label2);
    Label2.onClick = [this](int index) { Label2_Click(index); };
    connect(Option1, &QRadioButton::clicked, this, [] { Module1.soundOn = 1; });
    connect(Option2, &QRadioButton::clicked, this, [] { Module1.soundOn = 0; });
    Timer1->onTick = [this] { Timer1_Timer(); };
    // Tab runs down the menu entries first; the sound switch comes last.
    setTabSequence({Label2[Exit], Option1, Option2});
    Label2[TeachersGuide]->setFocus();
    escapePresses(this, Label2[Exit]);
}

void intro0::defineAsMainMenu() { defineMainMenu([]() -> MainMenu & { return touch<intro0>(); }); }

void intro0::load()
{
    commonSetup(*this);
    Image1->loadPicture(QStringLiteral("Images\\schoolsm.jpg"));
    Option1->setBackColor(colours::screenBack);
    Option2->setBackColor(colours::screenBack);
    Module1.soundOn = 1;
    preloadSounds({sounds::click});
    Timer1->setEnabled(true);
}

// Reads the catalogue once, right after loading; a missing or damaged file
// stops the read silently and keeps whatever was read.
void intro0::Timer1_Timer()
{
    keepCatalogue(readCatalogue(CatalogueReadPolicy::StopAtFirstFailure));
    Timer1->setEnabled(false);
}

void intro0::Label2_Click(int index)
{
    switch (index) {
    case GreekFighters:
        touch<fighters>().showScreen();
        break;
    case GreekWriting:
        touch<writing>().showScreen();
        break;
    case Exit:
        touch<Titlefrm>().Command1->setText(QStringLiteral("Cancel"));
        touch<Titlefrm>().showScreen();
        break;
    case MultipleChoiceWizard:
        touch<wizard>().showScreen();
        break;
    case WorksheetCatalogue:
        // The catalogue brings a freshly loaded menu back with its "Exit".
        touch<worksheets>().showScreen();
        unload();
        break;
    case Acknowledgments:
        showAcknowledgments();
        break;
    case TeachersGuide:
        showGuide();
        break;
    default:
        if (kDescribedUnits.count(index))
            openDescribedUnit(kDescribedUnits.at(index));
        break;
    }
    playIfSoundOn(sounds::click);
}

// A unit whose description cannot be read says so, and the menu stays as it is.
void intro0::openDescribedUnit(const QString &slug)
{
    const auto unit = readUnitDescription(slug);
    if (const auto *problem = std::get_if<UnitProblem>(&unit)) {
        messageBox(problem->message);
        return;
    }
    const UnitDescription &described = std::get<UnitDescription>(unit);
    touchKeyed<UnitMenu>(described.slug, described).showScreen();
}

// The page viewer as a single acknowledgments page with the animated logo.
// The first touch loads the viewer, whose own load runs before these settings.
void intro0::showAcknowledgments()
{
    teacher &viewer = touch<teacher>();
    viewer.Label1->hide();
    viewer.Label3[viewer::NextPage]->hide();
    viewer.Label3[viewer::PreviousPage]->hide();
    viewer.Image1->loadPicture(QStringLiteral("wmf\\acknowledgments.wmf"));
    viewer.Picture2->loadPicture(QStringLiteral("logo\\quorvane2.bmp"));
    viewer.Image2->loadPicture(QStringLiteral("wmf2\\acknowledgments.wmf"));
    viewer.setBackColor(colours::acknowledgmentsBack);
    viewer.Timer1->setEnabled(true);
    viewer.showScreen();
}

void intro0::showGuide()
{
    guide &viewer = touch<guide>();
    viewer.Image1->loadPicture(QStringLiteral("wmf\\guide1.wmf"));
    viewer.Image2->loadPicture(QStringLiteral("wmf2\\guide1.wmf"));
    Module1.currentPage = 1;
    viewer.showScreen();
}
