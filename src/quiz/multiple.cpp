#include "quiz/multiple.h"

#include "common/colours.h"
#include "common/commonsetup.h"
#include "common/designs.h"
#include "common/grey.h"
#include "common/module1.h"
#include "common/questionset.h"
#include "common/readaloud.h"
#include "common/sounds.h"
#include "quiz/welldone.h"
#include "quiz/worksheetprint.h"
#include "toolkit/builders.h"
#include "toolkit/hover.h"
#include "toolkit/keyboard.h"
#include "toolkit/numbertext.h"
#include "toolkit/speakerlabel.h"

#include <QKeyEvent>

namespace {
enum Button { PreviousQuestion = 0, NextQuestion = 1, Exit = 2, PrintWorksheet = 3 };
// Choices 1 to 4 are the answers; choice 5, under the picture, is no answer.
constexpr int kNoAnswer = answersPerQuestion + 1;
// The hidden choice sits this far inside the picture's top-left corner.
constexpr double kUnderPictureOffset = 240;

const QString kNext = QStringLiteral("Next Question >>");
const QString kCheckScore = QStringLiteral("Check Score >>");
} // namespace

QuizPicture::QuizPicture(QWidget *parent, double left, double top, double width, double height)
    : PictureBox(parent, left, top, width, height), designWidth_(width), designHeight_(height)
{
}

void QuizPicture::pictureChanged()
{
    const QSizeF own = picture_.isNull() ? QSizeF() : picture_.sizeTwips();
    setGeometryTwips(left(), top(), std::max(designWidth_, own.width()), std::max(designHeight_, own.height()));
    if (onResized)
        onResized();
}

multiple::multiple() : Screen(QStringLiteral("multiple"))
{
    const FontDesign times24 = fonts::times(24);
    // The hidden choice is made first so that the picture, made later, lies over it.
    for (int i = 1; i <= answersPerQuestion; ++i)
        Option1.add(i, named(new OptionButton(this, inputDesign({}, 2400, 5400 + 600 * (i - 1), 6975, 525,
                                                                 fonts::times(20.25))),
                             arrayMemberName(QStringLiteral("Option1"), i)));
    Option1.add(kNoAnswer, named(new OptionButton(this, inputDesign({}, 0, 0, 255, 255, FontDesign{}, Qt::black,
                                                                    colours::lightGrey)),
                                 arrayMemberName(QStringLiteral("Option1"), kNoAnswer)));

    Label1 = makeLabel(this, QStringLiteral("Label1"),
                       textLabel(QStringLiteral("Multiple Choice"), 120, 120, 6240, 900, fonts::tahoma(36)));
    Label5 = makeLabel(this, QStringLiteral("Label5"), textLabel({}, 120, 1200, 6465, 585, times24, colours::green));
    Label6 = makeLabel(this, QStringLiteral("Label6"), textLabel({}, 120, 1920, 6465, 705, times24, colours::lavender));
    Picture1 = named(new QuizPicture(this, 6840, 240, 855, 615), QStringLiteral("Picture1"));
    Label4 = makeLabel(this, QStringLiteral("Label4"),
                       textLabel({}, 360, 3240, 5415, 615, times24, colours::text, Qt::AlignLeft));
    Label2 = makeLabel(this, QStringLiteral("Label2"), textLabel({}, 960, 3960, 9840, 1455, fonts::times(30)).wrapped());
    makeLabels(this, Label3, QStringLiteral("Label3"),
               {
                   buttonLabel(PreviousQuestion, QStringLiteral("<< Previous Question"), 2040, 7920, 3765).hidden(),
                   buttonLabel(NextQuestion, kNext, 6000, 7920, 3765),
                   buttonLabel(Exit, QStringLiteral("Exit"), 10560, 7920, 1245),
                   buttonLabel(PrintWorksheet, QStringLiteral("Print Worksheet"), 7920, 1920, 3045).hidden(),
               });

    Option1.forEach([this](int index, OptionButton *choice) {
        connect(choice, &QAbstractButton::clicked, this, [this, index] { Option1_Click(index); });
    });
    Label3.onClick = [this](int index) { Label3_Click(index); };
    wireHoverHighlight(*this, Label3);
    const auto clearHighlights = onMouseMove;
    onMouseMove = [this, clearHighlights](const MouseState &state) {
        clearHighlights(state);
        keepPrintButtonReadable();
    };
    Picture1->onResized = [this] { keepPrintButtonReadable(); };
    // Beside the question, left of its box.
    Speaker = makeSpeakerButton(*this, 240, 3990, QStringLiteral("Read the question aloud"));
    connect(Speaker, &MouseControl::clicked, this, [this] { Speaker_Click(); });

    // The question can be read from the keyboard; the hidden "no answer" is never a Tab stop.
    Label2->setFocusPolicy(Qt::TabFocus);
    Option1[kNoAnswer]->setFocusPolicy(Qt::NoFocus);
    setTabSequence({Label2, Speaker, Option1[1], Option1[2], Option1[3], Option1[4], Label3[PreviousQuestion],
                    Label3[NextQuestion], Label3[PrintWorksheet], Label3[Exit]});
    bindKeys(this, [this](const QKeyEvent &key) { return answerKey(key); });
    escapePresses(this, Label3[Exit]);
}

// A worksheet's quiz shows the main menu's large picture, which reaches under
// "Print Worksheet"; there the button keeps its black box, or its caption
// would be lost in the picture.
void multiple::keepPrintButtonReadable()
{
    Label *print = Label3[PrintWorksheet];
    const bool overPicture = Picture1->geometry().intersects(print->geometry());
    print->setBackStyle(overPicture ? BackStyle::Opaque : BackStyle::Transparent);
}

void multiple::load()
{
    commonSetup(*this);
    Module1.score = 0;
    Module1.questionCount = questionsPerSet;
    Module1.questionNumber = 1;
    for (int i = 1; i <= questionsPerSet; ++i)
        Module1.questionMark[i] = 0;
    Option1[kNoAnswer]->moveTo(Picture1->left() + kUnderPictureOffset, Picture1->top() + kUnderPictureOffset);
    for (int i = 1; i <= answersPerQuestion; ++i)
        Option1[i]->setBackColor(colours::screenBack);
    Label6->setCaption(Module1.quizTitle);
    // Teachers print topic quizzes and their own worksheets alike, so every quiz offers it.
    Label3[PrintWorksheet]->setVisible(true);
    preloadSounds({sounds::typekey, sounds::click});
    showquest();
}

void multiple::showquest()
{
    const int n = Module1.questionNumber;
    stopReading(this);
    Option1[kNoAnswer]->setChecked(true);
    Label3[PreviousQuestion]->setVisible(true);
    Label3[NextQuestion]->setCaption(kNext);
    Label4->setCaption(QStringLiteral("Question") + numberWithSignPlace(n));
    Label2->setCaption(Module1.questionText[n]);
    Label2->setAccessibleName(Label4->caption() + QStringLiteral(": ") + Module1.questionText[n]);
    Option1[1]->setText(Module1.answerA[n]);
    Option1[2]->setText(Module1.answerB[n]);
    Option1[3]->setText(Module1.answerC[n]);
    Option1[4]->setText(Module1.answerD[n]);
    if (n == 1)
        Label3[PreviousQuestion]->setVisible(false);
    if (n == questionsPerSet)
        Label3[NextQuestion]->setCaption(kCheckScore);
    // The focus goes to the question, so no answer carries a focus mark and a
    // screen reader reads the new question out.
    if (!Option1[kNoAnswer]->isHidden())
        Label2->setFocus();
}

// The digits 1 to 4 choose that answer; the arrows step to the next or the
// previous one. Choosing is a click on the answer (with its sound).
bool multiple::answerKey(const QKeyEvent &key)
{
    int chosen = 0;
    for (int i = 1; i <= answersPerQuestion; ++i)
        if (Option1[i]->isChecked())
            chosen = i;
    const int k = key.key();
    int choice = 0;
    if (k >= Qt::Key_1 && k < Qt::Key_1 + answersPerQuestion)
        choice = k - Qt::Key_0;
    else if (k == Qt::Key_Down || k == Qt::Key_Right)
        choice = std::min(chosen + 1, answersPerQuestion);
    else if (k == Qt::Key_Up || k == Qt::Key_Left)
        choice = std::max(chosen - 1, 1);
    else
        return false;
    pressControl(Option1[choice]);
    Option1[choice]->setFocus(Qt::TabFocusReason);
    return true;
}

// The reading leaves the focus and the answers as they are: moving the focus
// along with the voice would have a screen reader talk over it, and would
// move a keyboard user's place without a key pressed.
void multiple::Speaker_Click()
{
    readAloud(this, asSentences({Label4->caption(), Label2->caption(), QStringLiteral("A. ") + Option1[1]->text(),
                                 QStringLiteral("B. ") + Option1[2]->text(), QStringLiteral("C. ") + Option1[3]->text(),
                                 QStringLiteral("D. ") + Option1[4]->text()}));
}

void multiple::Option1_Click(int)
{
    playIfSoundOn(sounds::typekey);
}

void multiple::Label3_Click(int index)
{
    switch (index) {
    case PreviousQuestion:
        --Module1.questionNumber;
        showquest();
        break;
    case NextQuestion:
        recordMarkAndMoveOn();
        break;
    case Exit:
        unload();
        break;
    case PrintWorksheet:
        Printpage();
        break;
    default:
        break;
    }
    playIfSoundOn(sounds::click);
}

void multiple::recordMarkAndMoveOn()
{
    const int n = Module1.questionNumber;
    // Openers refuse sets whose right answer is not 1 to 4; anything else scores nothing.
    const int right = rightAnswerChoice(Module1.correctAnswer[n]).value_or(0);
    Module1.questionMark[n] = (right >= 1 && right <= answersPerQuestion && Option1[right]->isChecked()) ? 1 : 0;
    ++Module1.questionNumber;
    if (Module1.questionNumber < questionsPerSet + 1) {
        showquest();
        return;
    }
    scoreAndHandOver();
}

void multiple::scoreAndHandOver()
{
    QuizResult result{0, Module1.questionCount, true, Label6->caption(), {}};
    for (int i = 1; i <= questionsPerSet; ++i) {
        Module1.score += Module1.questionMark[i];
        if (Module1.questionMark[i] == 0)
            result.wrongAnswers.append({i, Module1.questionText[i]});
    }
    result.score = Module1.score;
    Module1.certificateSubject = Label5->caption();
    touch<Welldone>().showResult(result);
    unload();
}

// The loaded set as a paper worksheet, under this screen's subject and title.
void multiple::Printpage() { printWorksheet(Label5->caption(), Label6->caption()); }
