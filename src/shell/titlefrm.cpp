#include "shell/titlefrm.h"

#include "common/colours.h"
#include "common/commonsetup.h"
#include "common/designs.h"
#include "common/grey.h"
#include "common/picturedescriptions.h"
#include "common/sounds.h"
#include "shell/intro0.h"
#include "toolkit/builders.h"
#include "toolkit/display.h"
#include "toolkit/firstinput.h"

namespace {
constexpr double kClientWidth = 5460;
constexpr double kClientHeight = 6570;
const QString kPicture = QStringLiteral("images\\schoolsm.jpg");

InputDesign pushButton(const QString &caption, double left)
{
    return inputDesign(caption, left, 6000, 1335, 375, {QStringLiteral("MS Sans Serif"), 8.25}, Qt::black,
                       colours::lightGrey);
}
} // namespace

Titlefrm::Titlefrm() : Screen(QStringLiteral("Titlefrm"))
{
    setBackColor(colours::lightGrey);
    setCaption(QStringLiteral("Velmora"));
    setClientSizeTwips(kClientWidth, kClientHeight);
    Frame1 = named(new Frame(this, 0, -90, 5480, 6660), QStringLiteral("Frame1"));
    Label4 = makeLabel(this, QStringLiteral("Label4"), textLabel(QStringLiteral("Velmora"), 60, 360, 5355, 705,
                                                                 fonts::times(27.75, true), colours::blue));
    Picture1 = named(new PictureBox(this, 300, 1200, 4800, 3600), QStringLiteral("Picture1"));
    Picture1->setBackColor(colours::lightGrey);
    Label1 = makeLabel(this, QStringLiteral("Label1"), textLabel(QStringLiteral("Ancient Greece for Key Stage 2"), 360,
                                                                 4980, 4695, 375, fonts::times(14.25), colours::blue));
    Label5 = makeLabel(this, QStringLiteral("Label5"),
                       textLabel(QStringLiteral("An interactive history for the classroom"), 480, 5310, 4455, 375,
                                 fonts::times(12), colours::blue));
    Label3 = makeLabel(this, QStringLiteral("Label3"), textLabel(QStringLiteral("Quorvane Publishing Ltd"), 480, 5640,
                                                                 4455, 375, fonts::times(12), colours::blue));
    // The copyright line sits in the free strip above the title: below the
    // buttons only one line's height (13 pixels) is left to the window's
    // bottom edge, so there its letters would touch both.
    Label2 = makeLabel(this, QStringLiteral("Label2"),
                       textLabel(QStringLiteral("\u00A9 Quorvane Publishing Ltd. All rights reserved."), 0, 45,
                                 5415, 255, {QStringLiteral("Arial"), 8.25}, colours::darkGreen));
    Command1 = named(new CommandButton(this, pushButton(QStringLiteral("OK"), 1320)), QStringLiteral("Command1"));
    Command2 = named(new CommandButton(this, pushButton(QStringLiteral("Exit"), 2760)), QStringLiteral("Command2"));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    // Leaving the program is deliberate: Escape does not press "Exit".
    describeContentPictures();
}

void Titlefrm::load()
{
    const QSizeF display = displaySizeTwips();
    setPositionTwips(float(display.width() / 2 - kClientWidth / 2), float(display.height() / 2 - kClientHeight / 2));
    touch<Grey>().showScreen();
    if (!Picture1->loadPicture(kPicture))
        loadFailed();
    // The sound output is got ready in the background once someone is at the
    // title screen, so the first click sounds at once; not before, so the
    // title screen comes up without loading any sound library.
    onFirstUserInput([] { preloadSounds({sounds::click}); });
}

// A failed load turns the title screen into a plain content screen and tries
// the picture once more; a second failure leaves the box empty.
void Titlefrm::loadFailed()
{
    commonSetup(*this);
    Picture1->loadPicture(kPicture);
}

void Titlefrm::Command1_Click()
{
    // The first content screen is about to be built: this window's frame
    // now tells how much room the window manager takes round each screen.
    if (!isLoaded<intro0>())
        refitContentScreens(this);
    touch<intro0>().showScreen();
    unload();
    playIfSoundOn(sounds::click);
}

void Titlefrm::Command2_Click()
{
    playIfSoundOn(sounds::click);
    endProgram();
}
