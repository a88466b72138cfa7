#include "worksheets/wizard.h"

#include "common/colours.h"
#include "common/commonsetup.h"
#include "common/designs.h"
#include "common/grey.h"
#include "common/module1.h"
#include "common/sounds.h"
#include "toolkit/builders.h"
#include "toolkit/hover.h"
#include "toolkit/keyboard.h"
#include "toolkit/messagebox.h"
#include "worksheets/wizardsave.h"

#include <algorithm>

namespace {
enum Button { Exit = 0, SaveWorksheet = 1 };
enum StaticLabel { Heading = 0, TitleCaption = 1, FirstQuestionHeading = 2, FirstLetter = 12 };

// Questions 1 to 5 run down the left column, 6 to 10 down the right one,
// which repeats it this far across; rows are 1440 apart.
constexpr int kQuestionsPerColumn = 5;
constexpr double kColumnOffset = 5880;
constexpr double kRowHeight = 1440;

double columnLeft(int q, double left) { return left + (q < kQuestionsPerColumn ? 0 : kColumnOffset); }
double rowTop(int q, double top) { return top + kRowHeight * (q % kQuestionsPerColumn); }

// Answer a of question q (and its tick): A and B on the first row, C and D on
// the second; A and C in the left half of the question's column, B and D in the right.
double answerTop(int q, int a) { return rowTop(q, a < 2 ? 1230 : 1560); }
bool inRightHalf(int a) { return a % 2 == 1; }

InputDesign textBox(double left, double top, double width, double height, double points)
{
    return inputDesign({}, left, top, width, height, fonts::times(points), colours::black, colours::white);
}

struct LetterPlace {
    const char *caption;
    double left, top, width;
};
// Each letter sits one pixel (15 twips) left of where the classic layout has
// it, and A and B start at the question box's lower edge (1215) rather than
// inside it: bold letters with their full stroke weight would otherwise touch
// the question box and the tick box.
const LetterPlace kLetters[answersPerQuestion] = {
    {"A.", 240, 1215, 270}, {"B.", 3075, 1215, 240}, {"C.", 255, 1560, 240}, {"D.", 3075, 1560, 270}};
} // namespace

wizard::wizard() : Screen(QStringLiteral("wizard"))
{
    buildLabels();
    buildBoxes();
    makeLabels(this, Label3, QStringLiteral("Label3"),
               {
                   buttonLabel(SaveWorksheet, QStringLiteral("Save Worksheet"), 240, 7920, 3165).opaque(),
                   buttonLabel(Exit, QStringLiteral("Exit"), 10560, 7920, 1245).opaque(),
               });
    Label3.onClick = [this](int index) { Label3_Click(index); };
    wireHoverHighlight(*this, Label3);
    wireEnterMoves();
    nameBoxes();
    escapePresses(this, Label3[Exit]);
}

// Screen readers name each box by what it holds.
void wizard::nameBoxes()
{
    Text1->setAccessibleName(QStringLiteral("Worksheet Title"));
    for (int q = 0; q < questionsPerSet; ++q) {
        Text2[q]->setAccessibleName(QStringLiteral("Question %1").arg(q + 1));
        for (int a = 0; a < answersPerQuestion; ++a) {
            const QString answer = QStringLiteral("answer %1 of question %2").arg(QChar(u'A' + a)).arg(q + 1);
            Text3[answersPerQuestion * q + a]->setAccessibleName(answer.at(0).toUpper() + answer.mid(1));
            Check1[answersPerQuestion * q + a]->setAccessibleName(QStringLiteral("Right ") + answer);
        }
    }
}

bool wizard::unsavedWork() const
{
    const WorksheetContent now = content();
    return now.title != kept_.title || now.questions != kept_.questions || now.answers != kept_.answers ||
           now.ticks != kept_.ticks;
}

void wizard::showEvent(QShowEvent *event)
{
    if (!opened_)
        kept_ = content();
    opened_ = true;
    Screen::showEvent(event);
}

// Typed work that is not saved is thrown away only when the teacher says so,
// by mouse or by Escape alike; Cancel, the default, stays.
void wizard::leave()
{
    const QString question = QStringLiteral("Your worksheet has not been saved. If you leave the Multiple Choice "
                                            "Wizard now, everything you have typed will be lost.\n\nClick OK to "
                                            "leave without saving, or Cancel to go back to your worksheet.");
    if (unsavedWork() && messageBox(question, MsgButtons::OkCancelDefaultCancel) != MsgResult::Ok)
        return;
    unload();
}

// The heading, the title's caption, and each question's heading and answer letters.
void wizard::buildLabels()
{
    auto add = [this](const LabelDesign &design) {
        Label1.add(design.index, makeLabel(this, arrayMemberName(QStringLiteral("Label1"), design.index), design));
    };
    add(textLabel(QStringLiteral("Multiple Choice Wizard"), 0, 0, 4320, 540, fonts::tahoma(18)).at(Heading));
    add(textLabel(QStringLiteral("Worksheet Title"), 5160, 120, 2280, 345, fonts::tahoma(14.25)).at(TitleCaption));
    for (int q = 0; q < questionsPerSet; ++q) {
        const double width = q == questionsPerSet - 1 ? 1170 : 1050; // "Question 10" is wider
        add(textLabel(QStringLiteral("Question %1").arg(q + 1), columnLeft(q, 240), rowTop(q, 600), width, 240,
                      fonts::tahoma(9.75))
                .at(FirstQuestionHeading + q));
        for (int a = 0; a < answersPerQuestion; ++a) {
            const LetterPlace &letter = kLetters[a];
            add(textLabel(QString::fromLatin1(letter.caption), columnLeft(q, letter.left), rowTop(q, letter.top),
                          letter.width, 285, fonts::tahoma(12))
                    .at(FirstLetter + answersPerQuestion * q + a));
        }
    }
}

// Made in tab order: the title, then each question followed by its answers A
// to D, and the tick boxes after all of them.
void wizard::buildBoxes()
{
    Text1 = named(new TextBox(this, textBox(7560, 120, 4215, 375, 12), titleBoxLength), QStringLiteral("Text1"));
    QWidget *previous = Text1;
    auto inTabOrder = [&previous](QWidget *next) {
        setTabOrder(previous, next);
        previous = next;
    };
    for (int q = 0; q < questionsPerSet; ++q) {
        Text2.add(q, named(new TextBox(this, textBox(columnLeft(q, 240), rowTop(q, 840), 5655, 375, 12),
                                       questionBoxLength),
                           arrayMemberName(QStringLiteral("Text2"), q)));
        inTabOrder(Text2[q]);
        for (int a = 0; a < answersPerQuestion; ++a) {
            const int i = answersPerQuestion * q + a;
            const double left = columnLeft(q, inRightHalf(a) ? 3600 : 720);
            Text3.add(i, named(new TextBox(this, textBox(left, answerTop(q, a), 2295, 330, 9.75), answerBoxLength),
                               arrayMemberName(QStringLiteral("Text3"), i)));
            inTabOrder(Text3[i]);
        }
    }
    for (int i = 0; i < answerBoxes; ++i) {
        const int q = i / answersPerQuestion, a = i % answersPerQuestion;
        const InputDesign tick =
            inputDesign({}, columnLeft(q, inRightHalf(a) ? 3330 : 480), answerTop(q, a), 255, 315, FontDesign{},
                        colours::text, colours::lightGrey);
        Check1.add(i, named(new CheckBox(this, tick), arrayMemberName(QStringLiteral("Check1"), i)));
        inTabOrder(Check1[i]);
    }
}

void wizard::load()
{
    commonSetup(*this);
    for (int i = 0; i < answerBoxes; ++i)
        setWidgetColors(Check1[i], colours::text, colours::tickBack);
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
    for (int q = 0; q < questionsPerSet; ++q)
        onEnter(Text2[q], Text3[answersPerQuestion * q]);
    for (int i = 0; i < answerBoxes; ++i) {
        QWidget *next = nullptr;
        if (i % answersPerQuestion < answersPerQuestion - 1)
            next = Text3[i + 1];
        else if (i < answerBoxes - 1)
            next = Text2[(i + 1) / answersPerQuestion];
        onEnter(Text3[i], next);
    }
}

WorksheetContent wizard::content() const
{
    WorksheetContent worksheet;
    worksheet.title = Text1->text();
    for (int q = 0; q < questionsPerSet; ++q)
        worksheet.questions[q] = Text2[q]->text();
    for (int i = 0; i < answerBoxes; ++i) {
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
        leave();
        break;
    default:
        break;
    }
    playIfSoundOn(sounds::click);
}

// Names the first question with a fault, refuses text a worksheet file
// cannot keep, a title the title rule refuses, or a folder or catalogue that
// cannot take the worksheet, with a message that says why, the folder as it
// was and the boxes keeping everything typed; or writes the file and lists
// the title.
void wizard::genwork()
{
    const WorksheetContent worksheet = content();
    const CheckedSave save = checkAndSaveWorksheet(worksheet);
    if (save.saved)
        kept_ = worksheet;
    messageBox(save.message);
}

void wizard::showImported(const WorksheetContent &worksheet)
{
    Text1->setText(worksheet.title);
    for (int q = 0; q < questionsPerSet; ++q)
        Text2[q]->setText(worksheet.questions[q]);
    for (int i = 0; i < answerBoxes; ++i) {
        Text3[i]->setText(worksheet.answers[i]);
        Check1[i]->setChecked(worksheet.ticks[i]);
    }
    kept_ = WorksheetContent{}; // nothing of it is saved yet: leaving asks first
    opened_ = true;
    showScreen();
}
