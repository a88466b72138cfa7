#include "quiz/welldone.h"
#include "shell/buttonlabel.h"

#include "quiz/certificate.h"
#include "quiz/rewardsounds.h"
#include "quiz/scoretext.h"
#include "quiz/wrong.h"
#include "shell/colours.h"
#include "shell/commonsetup.h"
#include "shell/grey.h"
#include "shell/module1.h"
#include "toolkit/builders.h"
#include "toolkit/hover.h"
#include "toolkit/messagebox.h"
#include "toolkit/randomsource.h"

#include <exception>

namespace {
enum Button { FirstButton = 0, Exit = 1 };
constexpr int kNameLength = 25;
const QString kWrongAnswersHint =
    QStringLiteral("Click the button above to check which questions you answered incorrectly.");

LabelDesign text(const QString &caption, double l, double t, double w, double h, double points, bool visible = true,
               bool wrap = false)
{
    LabelDesign s;
    s.caption = caption;
    s.left = l, s.top = t, s.width = w, s.height = h;
    s.font = {QStringLiteral("Times New Roman"), points};
    s.foreColor = colours::text;
    s.alignment = Qt::AlignHCenter;
    s.visible = visible;
    s.wordWrap = wrap;
    return s;
}

LabelDesign button(int index, const QString &caption, double l, double t, double w, bool visible)
{
    LabelDesign s = buttonLabel(index, caption, l, t, w);
    s.visible = visible;
    return s;
}
} // namespace

Welldone::Welldone() : Screen(QStringLiteral("Welldone"))
{
    LabelDesign heading = text("Well Done!", 0, 120, 12000, 900, 36);
    heading.font = {QStringLiteral("Tahoma"), 36, true};
    Label4 = makeLabel(this, "Label4", heading);
    Picture1 = named(new PictureBox(this, 5880, 1440, 4800, 3600), QStringLiteral("Picture1"));
    Label1 = makeLabel(this, "Label1", text({}, 0, 5400, 12000, 855, 24));
    Label5 = makeLabel(this, "Label5", text({}, 1680, 6000, 8640, 1335, 24, false, true));
    Label6 = makeLabel(this, "Label6", text("Read the Key Facts and try again.", 0, 6240, 12000, 855, 24));
    InputDesign name;
    name.left = 3120, name.top = 6600, name.width = 5760, name.height = 615;
    name.font = {QStringLiteral("Times New Roman"), 24};
    name.backColor = Qt::white;
    Text1 = named(new TextBox(this, name, kNameLength), QStringLiteral("Text1"));
    Text1->setVisible(false);
    Label2 = makeLabel(this, "Label2",
                       text("Enter your name in the box above before printing your certificate", 3120, 7440, 5775, 855,
                            18, false, true));
    makeLabels(this, Label3, "Label3",
               {
                   button(FirstButton, "Check Wrong Answers", 240, 1800, 3765, false),
                   button(Exit, "Exit", 10560, 7920, 1245, true),
               });
    Timer1 = named(new Timer(this, 1, false), QStringLiteral("Timer1"));
    Timer2 = named(new Timer(this, 10, false), QStringLiteral("Timer2"));
    Timer3 = named(new Timer(this, 1, false), QStringLiteral("Timer3"));

    Label3.onClick = [this](int index) { Label3_Click(index); };
    wireHoverHighlight(*this, Label3);
    Timer1->onTick = [this] { Timer1_Timer(); };
    Timer2->onTick = [this] { Timer2_Timer(); };
    Timer3->onTick = [this] { Timer3_Timer(); };
}

void Welldone::load()
{
    commonSetup(*this);
    const int s = Module1.score;
    const int n = Module1.questionCount;
    switch (scoreBand(s, n)) {
    case ScoreBand::Full:
        Label6->setVisible(false);
        Label3[FirstButton]->setVisible(true);
        Label1->setCaption(scoreMessage(QStringLiteral("Excellent work. You have scored"), s, n));
        Label3[FirstButton]->setCaption(QStringLiteral("Print Certificate"));
        Text1->setVisible(true);
        Label2->setVisible(true);
        break;
    case ScoreBand::NearlyFull:
        Label1->setCaption(scoreMessage(QStringLiteral("Good work. You have scored"), s, n));
        Label5->setCaption(kWrongAnswersHint);
        Label3[FirstButton]->setCaption(QStringLiteral("Check Wrong Answers"));
        break;
    case ScoreBand::Short:
        Label1->setCaption(scoreMessage(QStringLiteral("You have scored"), s, n));
        Label5->setCaption(kWrongAnswersHint);
        Label3[FirstButton]->setCaption(QStringLiteral("Check Wrong Answers"));
        break;
    case ScoreBand::Beyond:
        break;
    }
    Timer1->setEnabled(true);
}

void Welldone::Timer1_Timer()
{
    Picture1->loadPicture(QStringLiteral("images\\schoolsm.jpg"));
    Timer1->setEnabled(false);
    Timer2->setEnabled(true);
}

void Welldone::Timer2_Timer()
{
    if (!Text1->isHidden())
        Text1->setFocus();
    Timer2->setEnabled(false);
    highlightButton(Label3, FirstButton);
    highlightButton(Label3, Exit);
    Timer3->setEnabled(true);
}

void Welldone::Timer3_Timer()
{
    randomize();
    if (Module1.soundOn == 1) {
        const QString sound = pickRewardSound(Module1.score);
        if (!sound.isEmpty())
            playIfSoundOn(sound);
    }
    Timer3->setEnabled(false);
}

void Welldone::Label3_Click(int index)
{
    if (index == FirstButton && Module1.questionCount == Module1.score) {
        // Printing reports its own failures; this catches whatever escapes it.
        try {
            Printpage();
        } catch (const std::exception &) {
            messageBox(QStringLiteral("Printing has been cancelled."));
        }
        return; // no click sound for the certificate
    }
    if (index == FirstButton) {
        touch<Wrong>().showScreen();
    } else if (index == Exit) {
        if (isLoaded<Wrong>())
            touch<Wrong>().unload();
        unload();
    }
    playIfSoundOn(QStringLiteral("wav\\click.wav"));
}
