#include "shell/intro0.h"
#include "shell/colours.h"
#include "shell/commonsetup.h"
#include "shell/fighters.h"
#include "shell/grey.h"
#include "shell/guide.h"
#include "shell/teacher.h"
#include "shell/module1.h"
#include "shell/titlefrm.h"
#include "shell/writing.h"
#include "toolkit/builders.h"
#include "toolkit/hover.h"
#include "worksheets/catalogueread.h"
#include "worksheets/wizard.h"
#include "worksheets/worksheets.h"

namespace {
// The menu entries, by index. Entries of units not yet written are disabled.
enum Entry {
    GreekFighters = 1,
    GreekWriting = 5,
    Exit = 16,
    MultipleChoiceWizard = 17,
    WorksheetCatalogue = 18,
    Acknowledgments = 19,
    TeachersGuide = 20,
};

LabelDesign entry(int index, const char *caption, double left, double top, double width, double height, double points,
                const QColor &back, bool enabled = true)
{
    LabelDesign s;
    s.index = index;
    s.caption = QString::fromUtf8(caption);
    s.left = left, s.top = top, s.width = width, s.height = height;
    s.font = {QStringLiteral("Tahoma"), points, true};
    s.foreColor = colours::text;
    s.backColor = back;
    s.border = true;
    s.alignment = Qt::AlignHCenter;
    s.enabled = enabled;
    return s;
}

LabelDesign unit(int index, const char *caption, double left, double top, bool enabled = false)
{
    return entry(index, caption, left, top, 3075, 375, 12, colours::black, enabled);
}

InputDesign soundSwitch(const char *caption, double top)
{
    InputDesign s;
    s.caption = QString::fromUtf8(caption);
    s.left = 10440, s.top = top, s.width = 1455, s.height = 255;
    s.font = {QStringLiteral("Tahoma"), 9.75, true};
    s.foreColor = colours::text;
    s.backColor = colours::screenBack;
    return s;
}
} // namespace

intro0::intro0() : Screen(QStringLiteral("intro0"))
{
    LabelDesign title;
    title.caption = QStringLiteral("Velmora");
    title.left = 0, title.top = 120, title.width = 12000, title.height = 900;
    title.font = {QStringLiteral("Tahoma"), 32.25, true};
    title.alignment = Qt::AlignHCenter;
    Label1 = makeLabel(this, QStringLiteral("Label1"), title);

    // The footer shares its row with "Acknowledgments" and "Exit": short
    // enough to stand clear of both.
    LabelDesign footer;
    footer.caption = QStringLiteral("Velmora \u2022 Quorvane Publishing Ltd");
    footer.left = 0, footer.top = 8280, footer.width = 12000, footer.height = 375;
    footer.font = {QStringLiteral("Tahoma"), 9.75};
    footer.alignment = Qt::AlignHCenter;
    Label3 = makeLabel(this, QStringLiteral("Label3"), footer);

    Image1 = named(new ImageBox(this, 6840, 1440, 4830, 3660), QStringLiteral("Image1"));
    Option1 = named(new OptionButton(this, soundSwitch("Sound On", 120)), QStringLiteral("Option1"));
    Option2 = named(new OptionButton(this, soundSwitch("Sound Off", 480)), QStringLiteral("Option2"));
    Option1->setChecked(true);
    Timer1 = named(new Timer(this, 1, false), QStringLiteral("Timer1"));

    makeLabels(this, Label2, QStringLiteral("Label2"),
               {
                   entry(TeachersGuide, "Teachers' Guide", 120, 1080, 3075, 495, 14.25, colours::navy),
                   unit(15, "Where and When", 120, 2040),
                   unit(0, "Athens and Sparta", 120, 2640),
                   unit(GreekFighters, "Greek Fighters", 120, 3240, true),
                   unit(2, "Mediterranean Trade", 120, 3840),
                   unit(3, "The Battle of Marathon", 120, 4440),
                   unit(4, "Greek Beliefs", 120, 5040),
                   unit(GreekWriting, "Greek Writing", 120, 5640, true),
                   unit(6, "Ancient Greek Schools", 120, 6240),
                   unit(7, "The Theatre", 3360, 2040),
                   unit(8, "The Olympic Games", 3360, 2640),
                   unit(9, "Builders and Architects", 3360, 3240),
                   unit(10, "Great Thinkers", 3360, 3840),
                   unit(11, "Alexander the Great", 3360, 4440),
                   unit(12, "Triumph and Decline", 3360, 5040),
                   unit(13, "The Legacy of Greece", 3360, 5640),
                   entry(MultipleChoiceWizard, "Multiple Choice Wizard", 6930, 5760, 4635, 495, 18, colours::navy),
                   entry(WorksheetCatalogue, "Worksheet Catalogue", 6930, 6600, 4635, 495, 18, colours::navy),
                   entry(Acknowledgments, "Acknowledgments", 120, 7920, 3075, 495, 14.25, colours::navy),
                   entry(Exit, "Exit", 10560, 7920, 1245, 495, 18, colours::black),
               });

    wireHoverHighlight(*this, Label2);
    Label2.onClick = [this](int index) { Label2_Click(index); };
    connect(Option1, &QRadioButton::clicked, this, [] { Module1.soundOn = 1; });
    connect(Option2, &QRadioButton::clicked, this, [] { Module1.soundOn = 0; });
    Timer1->onTick = [this] { Timer1_Timer(); };
}

void intro0::load()
{
    commonSetup(*this);
    Image1->loadPicture(QStringLiteral("Images\\schoolsm.jpg"));
    Option1->setBackColor(colours::screenBack);
    Option2->setBackColor(colours::screenBack);
    Module1.soundOn = 1;
    Timer1->setEnabled(true);
}

// Reads the catalogue once, right after loading; a missing or damaged file
// stops the read silently and keeps whatever was read.
void intro0::Timer1_Timer()
{
    readCatalogue(CatalogueReadPolicy::StopAtFirstFailure);
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
        break;
    }
    playIfSoundOn(QStringLiteral("wav\\click.wav"));
}

// The page viewer as a single acknowledgments page with the animated logo.
// The first touch loads the viewer, whose own load runs before these settings.
void intro0::showAcknowledgments()
{
    teacher &viewer = touch<teacher>();
    viewer.Label1->hide();
    viewer.Label3[2]->hide();
    viewer.Label3[3]->hide();
    viewer.Image1->loadPicture(QStringLiteral("wmf\\acknowledgments.wmf"));
    viewer.Picture2->loadPicture(QStringLiteral("logo\\quorvane2.bmp"));
    viewer.Image2->loadPicture(QStringLiteral("wmf2\\acknowledgments.wmf"));
    viewer.setBackColor(QColor(49, 130, 212));
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
