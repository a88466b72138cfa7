#include "worksheets/wizard.h"

#include "shell/colours.h"
#include "shell/commonsetup.h"
#include "shell/grey.h"
#include "toolkit/builders.h"
#include "toolkit/hover.h"
#include "toolkit/messagebox.h"
#include "worksheets/storabletext.h"
#include "worksheets/wizardchecks.h"
#include "worksheets/worksheetfile.h"
#include "worksheets/worksheetmessages.h"
#include "worksheets/worksheetpaths.h"
#include "worksheets/worksheettitle.h"

namespace {
enum Button { Exit = 0, SaveWorksheet = 1 };
enum StaticLabel { Heading = 0, TitleCaption = 1, FirstQuestionHeading = 2, FirstLetter = 12 };

constexpr int kQuestions = 10;
constexpr int kAnswers = 40;
constexpr int kTitleLength = 25;
constexpr int kQuestionLength = 60;
constexpr int kAnswerLength = 30;
// The right column repeats the left one this far across; rows are 1440 apart.
constexpr double kColumnOffset = 5880;
constexpr double kRowHeight = 1440;
const QColor kTickBack(0, 78, 152);

double columnLeft(int q, double left) { return left + (q < 5 ? 0 : kColumnOffset); }
double rowTop(int q, double top) { return top + kRowHeight * (q % 5); }

LabelDesign staticLabel(int index, const QString &caption, double l, double t, double w, double h, FontDesign font)
{
    LabelDesign s;
    s.index = index;
    s.caption = caption;
    s.left = l, s.top = t, s.width = w, s.height = h;
    s.font = std::move(font);
    s.foreColor = colours::text;
    s.backColor = colours::black;
    s.alignment = Qt::AlignHCenter;
    return s;
}

LabelDesign button(int index, const QString &caption, double l, double w)
{
    LabelDesign s;
    s.index = index;
    s.caption = caption;
    s.left = l, s.top = 7920, s.width = w, s.height = 495;
    s.font = {QStringLiteral("Tahoma"), 15.75, true};
    s.foreColor = colours::text;
    s.backColor = colours::black;
    s.backStyle = BackStyle::Opaque;
    s.border = true;
    s.alignment = Qt::AlignHCenter;
    return s;
}

InputDesign textBox(double l, double t, double w, double h, double points)
{
    InputDesign s;
    s.left = l, s.top = t, s.width = w, s.height = h;
    s.font = {QStringLiteral("Times New Roman"), points};
    s.foreColor = Qt::black;
    s.backColor = Qt::white;
    return s;
}

// Answer a of question q (and its tick): A and B on the first row, C and D on
// the second; A and C in the left half of the question's column, B and D in the right.
double answerTop(int q, int a) { return rowTop(q, a < 2 ? 1230 : 1560); }
bool inRightHalf(int a) { return a % 2 == 1; }

struct LetterPlace {
    const char *caption;
    double left, top, width;
};
const LetterPlace kLetters[4] = {{"A.", 255, 1200, 270}, {"B.", 3090, 1200, 240}, {"C.", 270, 1560, 240},
                                 {"D.", 3090, 1560, 270}};
} // namespace

wizard::wizard() : Screen(QStringLiteral("wizard"))
{
    const FontDesign tahoma975{QStringLiteral("Tahoma"), 9.75, true};
    const FontDesign tahoma12{QStringLiteral("Tahoma"), 12, true};

    Label1.add(Heading, makeLabel(this, arrayMemberName("Label1", Heading),
                                  staticLabel(Heading, QStringLiteral("Multiple Choice Wizard"), 0, 0, 4320, 540,
                                              {QStringLiteral("Tahoma"), 18, true})));
    Label1.add(TitleCaption, makeLabel(this, arrayMemberName("Label1", TitleCaption),
                                       staticLabel(TitleCaption, QStringLiteral("Worksheet Title"), 5160, 120, 2280,
                                                   345, {QStringLiteral("Tahoma"), 14.25, true})));
    for (int q = 0; q < kQuestions; ++q) {
        const int index = FirstQuestionHeading + q;
        const double width = q == 9 ? 1170 : 1050;
        Label1.add(index, makeLabel(this, arrayMemberName("Label1", index),
                                    staticLabel(index, QStringLiteral("Question %1").arg(q + 1), columnLeft(q, 240),
                                                rowTop(q, 600), width, 240, tahoma975)));
        for (int a = 0; a < 4; ++a) {
            const int letter = FirstLetter + 4 * q + a;
            Label1.add(letter, makeLabel(this, arrayMemberName("Label1", letter),
                                         staticLabel(letter, QString::fromLatin1(kLetters[a].caption),
                                                     columnLeft(q, kLetters[a].left), rowTop(q, kLetters[a].top),
                                                     kLetters[a].width, 285, tahoma12)));
        }
    }

    // Made in tab order: the title, then each question followed by its
    // answers A to D, and the tick boxes after all of them.
    Text1 = named(new TextBox(this, textBox(7560, 120, 4215, 375, 12), kTitleLength), QStringLiteral("Text1"));
    for (int q = 0; q < kQuestions; ++q) {
        Text2.add(q, named(new TextBox(this, textBox(columnLeft(q, 240), rowTop(q, 840), 5655, 375, 12), kQuestionLength),
                           arrayMemberName("Text2", q)));
        for (int a = 0; a < 4; ++a) {
            const int i = 4 * q + a;
            const double left = columnLeft(q, inRightHalf(a) ? 3600 : 720);
            Text3.add(i, named(new TextBox(this, textBox(left, answerTop(q, a), 2295, 330, 9.75), kAnswerLength),
                               arrayMemberName("Text3", i)));
        }
    }
    for (int i = 0; i < kAnswers; ++i) {
        const int q = i / 4, a = i % 4;
        InputDesign tick;
        tick.left = columnLeft(q, inRightHalf(a) ? 3330 : 480);
        tick.top = answerTop(q, a);
        tick.width = 255, tick.height = 315;
        tick.foreColor = colours::text;
        Check1.add(i, named(new CheckBox(this, tick), arrayMemberName("Check1", i)));
    }
    QWidget *previous = Text1;
    auto chain = [&previous](QWidget *next) {
        setTabOrder(previous, next);
        previous = next;
    };
    for (int q = 0; q < kQuestions; ++q) {
        chain(Text2[q]);
        for (int a = 0; a < 4; ++a)
            chain(Text3[4 * q + a]);
    }
    for (int i = 0; i < kAnswers; ++i)
        chain(Check1[i]);

    makeLabels(this, Label3, QStringLiteral("Label3"),
               {
                   button(SaveWorksheet, QStringLiteral("Save Worksheet"), 240, 3165),
                   button(Exit, QStringLiteral("Exit"), 10560, 1245),
               });
    Label3.onClick = [this](int index) { Label3_Click(index); };
    wireHoverHighlight(*this, Label3);
    wireEnterMoves();
}

void wizard::load()
{
    commonSetup(*this);
    for (int i = 0; i < kAnswers; ++i)
        setWidgetColors(Check1[i], colours::text, kTickBack);
    Text1->setFocus();
}

// Enter moves the focus on through the title, each question and its answers,
// and into the next question; it stops in the last answer. The key itself
// still reaches the box.
void wizard::wireEnterMoves()
{
    auto onEnter = [](TextBox *box, QWidget *next) {
        box->onKeyPress = [next](int &keyAscii) {
            if (keyAscii == 13 && next)
                next->setFocus(Qt::TabFocusReason);
        };
    };
    onEnter(Text1, Text2[0]);
    for (int q = 0; q < kQuestions; ++q)
        onEnter(Text2[q], Text3[4 * q]);
    for (int i = 0; i < kAnswers; ++i) {
        QWidget *next = nullptr;
        if (i % 4 < 3)
            next = Text3[i + 1];
        else if (i < kAnswers - 1)
            next = Text2[(i + 1) / 4];
        onEnter(Text3[i], next);
    }
}

WorksheetContent wizard::content() const
{
    WorksheetContent worksheet;
    worksheet.title = Text1->text();
    for (int q = 0; q < kQuestions; ++q)
        worksheet.questions[q] = Text2[q]->text();
    for (int i = 0; i < kAnswers; ++i) {
        worksheet.answers[i] = Text3[i]->text();
        worksheet.ticks[i] = Check1[i]->isChecked();
    }
    return worksheet;
}

void wizard::Label3_Click(int index)
{
    switch (index) {
    case SaveWorksheet:
        genwork();
        break;
    case Exit:
        unload(); // no question: whatever was typed is discarded
        break;
    default:
        break;
    }
    playIfSoundOn(QStringLiteral("wav\\click.wav"));
}

// Names the first question with a fault, or saves.
void wizard::genwork()
{
    const QString fault = firstWorksheetFault(content());
    if (!fault.isEmpty()) {
        messageBox(fault);
        return;
    }
    saveworksheet();
}

// A title the catalogue or a Windows folder cannot hold, or text a worksheet
// file cannot keep, is refused with a message that says why, before anything
// is written; so is a worksheet folder that cannot be found or written, and
// the boxes keep everything typed. Otherwise the file is written and the
// title listed.
void wizard::saveworksheet()
{
    const WorksheetContent worksheet = content();
    const TitleProblem titleProblem = worksheetTitleProblem(worksheet.title);
    if (titleProblem != TitleProblem::None) {
        messageBox(worksheetTitleMessage(titleProblem, worksheet.title));
        return;
    }
    if (const auto notStorable = firstTextNotStorable(worksheet)) {
        messageBox(textNotStorableMessage(*notStorable));
        return;
    }
    const WorksheetFolderCheck folder = prepareWorksheetFolder();
    if (folder.problem != FolderProblem::None) {
        messageBox(worksheetFolderMessage(folder));
        return;
    }
    messageBox(saveOutcomeMessage(saveWorksheetFiles(worksheet)));
}
