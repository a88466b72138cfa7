#include "quiz/welldone.h"

#include "common/commonsetup.h"
#include "common/designs.h"
#include "common/grey.h"
#include "common/module1.h"
#include "common/readaloud.h"
#include "common/sounds.h"
#include "quiz/certificate.h"
#include "quiz/rewardsounds.h"
#include "quiz/scoretext.h"
#include "quiz/wrong.h"
#include "toolkit/builders.h"
#include "toolkit/hover.h"
#include "toolkit/keyboard.h"
#include "toolkit/messagebox.h"
#include "toolkit/randomsource.h"
#include "toolkit/sound.h"
#include "toolkit/speakerlabel.h"

#include <QTimer>

#include <exception>

namespace {
enum Button { FirstButton = 0, Exit = 1 };
constexpr int kNameLength = 25;
// A sound starts a little after it is asked for; the score waits that much longer.
constexpr int kSoundStartsWithinMs = 250;
} // namespace

Welldone::Welldone() : Screen(QStringLiteral("Welldone"))
{
    Label4 = makeLabel(this, QStringLiteral("Label4"),
                       textLabel(QStringLiteral("Well Done!"), 0, 120, 12000, 900, fonts::tahoma(36)));
    Picture1 = named(new PictureBox(this, 5880, 1440, 4800, 3600), QStringLiteral("Picture1"));
    Label1 = makeLabel(this, QStringLiteral("Label1"), textLabel({}, 0, 5400, 12000, 855, fonts::times(24)));
    Label5 = makeLabel(this, QStringLiteral("Label5"),
                       textLabel({}, 1680, 6000, 8640, 1335, fonts::times(24)).wrapped().hidden());
    Label6 = makeLabel(this, QStringLiteral("Label6"), textLabel(QStringLiteral("Read the Key Facts and try again."), 0,
                                                                 6240, 12000, 855, fonts::times(24)));
    Text1 = named(new TextBox(this, inputDesign({}, 3120, 6600, 5760, 615, fonts::times(24), Qt::black, Qt::white),
                              kNameLength),
                  QStringLiteral("Text1"));
    Text1->setVisible(false);
    Label2 = makeLabel(this, QStringLiteral("Label2"),
                       textLabel(QStringLiteral("Enter your name in the box above before printing your certificate"),
                                 3120, 7440, 5775, 855, fonts::times(18))
                           .wrapped()
                           .hidden());
    makeLabels(this, Label3, QStringLiteral("Label3"),
               {
                   buttonLabel(FirstButton, QStringLiteral("Check Wrong Answers"), 240, 1800, 3765).hidden(),
                   buttonLabel(Exit, QStringLiteral("Exit"), 10560, 7920, 1245),
               });
    Timer1 = named(new Timer(this, 1, false), QStringLiteral("Timer1"));
    Timer2 = named(new Timer(this, 10, false), QStringLiteral("Timer2"));
    Timer3 = named(new Timer(this, 1, false), QStringLiteral("Timer3"));

    Label3.onClick = [this](int index) { Label3_Click(index); };
    wireHoverHighlight(*this, Label3);
    // In the bottom row, clear of the name hint and left of "Exit".
    Speaker = makeSpeakerButton(*this, 9300, 7920, QStringLiteral("Read the score aloud"));
    connect(Speaker, &MouseControl::clicked, this, [this] { readScore(); });
    Timer1->onTick = [this] { Timer1_Timer(); };
    Timer2->onTick = [this] { Timer2_Timer(); };
    Timer3->onTick = [this] { Timer3_Timer(); };
    // The score message can be read from the keyboard and is the first thing a screen reader says.
    Label1->setFocusPolicy(Qt::TabFocus);
    setTabSequence({Label1, Text1, Label3[FirstButton], Speaker, Label3[Exit]});
    escapePresses(this, Label3[Exit]);
}

void Welldone::load() { commonSetup(*this); }

void Welldone::showResult(const QuizResult &result)
{
    result_ = result;
    const ResultsLook look = resultsLook(result);
    Label1->setCaption(look.message);
    Label5->setCaption(look.hint);
    Label5->setVisible(!look.hint.isEmpty());
    Label3[FirstButton]->setCaption(look.firstButton);
    Label3[FirstButton]->setVisible(!look.firstButton.isEmpty());
    Label6->setVisible(look.advice);
    Text1->setVisible(look.nameBox);
    Label2->setVisible(look.nameBox);
    Label1->setFocus();
    Text1->setAccessibleName(Label2->caption());
    Text1->setAccessibleDescription(Label1->caption());
    preloadSounds(rewardSoundsFor(result.score) << sounds::click);
    showScreen();
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
        const QString sound = pickRewardSound(result_.score);
        if (!sound.isEmpty()) {
            touch<Grey>().SndDevil1->play(sound);
            rewardSoundEnds_.setRemainingTime(soundLengthMs(sound) + kSoundStartsWithinMs);
        }
    }
    Timer3->setEnabled(false);
    readScore();
}

// The score is read once the reward sound has ended, never over it.
void Welldone::readScore()
{
    QTimer::singleShot(int(rewardSoundEnds_.remainingTime()), Qt::PreciseTimer, this,
                       [this] { readAloud(this, Label1->caption()); });
}

void Welldone::Label3_Click(int index)
{
    if (index == FirstButton && earnsCertificate(result_)) {
        // Printing reports its own failures; this catches whatever escapes it.
        try {
            Printpage();
        } catch (const std::exception &) {
            messageBox(QStringLiteral("Printing has been cancelled."));
        }
        return; // no click sound for the certificate
    }
    if (index == FirstButton) {
        touch<Wrong>().showWrongAnswers(result_);
    } else if (index == Exit) {
        if (isLoaded<Wrong>())
            touch<Wrong>().unload();
        unload();
    }
    playIfSoundOn(sounds::click);
}

// The certificate for the pupil named in the name box.
void Welldone::Printpage()
{
    printCertificate(Module1.certificateSubject, Text1->text(), result_.score, result_.maximum);
}
