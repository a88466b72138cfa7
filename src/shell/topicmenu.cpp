#include "shell/topicmenu.h"
#include "shell/buttonlabel.h"

#include "quiz/multiple.h"
#include "quiz/quizstart.h"
#include "shell/colours.h"
#include "shell/commonsetup.h"
#include "shell/grey.h"
#include "shell/intro0.h"
#include "shell/module1.h"
#include "shell/pagenames.h"
#include "shell/teacher.h"
#include "toolkit/builders.h"
#include "toolkit/hover.h"

namespace {
enum Button {
    MultipleChoice = 0,
    LabellingActivity = 1,
    Exit = 2,
    OrderingActivity = 3,
    KeyFacts = 4,
    TeachersNotes = 5,
};

LabelDesign button(int index, const QString &caption, double l, double t, double w)
{
    return buttonLabel(index, caption, l, t, w);
}
} // namespace

TopicMenu::TopicMenu(const TopicUnit &unit) : Screen(unit.screenName), unit_(unit)
{
    // The picture is made first so the title and the buttons lie over it.
    const QRectF g = unit_.pictureGeometry;
    Image1 = named(new ImageBox(this, g.left(), g.top(), g.width(), g.height()), QStringLiteral("Image1"));
    Image1->setStretch(true);

    LabelDesign title;
    title.caption = unit_.title;
    title.left = 240, title.top = 0, title.width = 6000, title.height = 900;
    title.font = {QStringLiteral("Times New Roman"), 27.75, true};
    title.foreColor = colours::text;
    Label1 = makeLabel(this, QStringLiteral("Label1"), title);

    makeLabels(this, label3, QStringLiteral("label3"),
               {
                   button(KeyFacts, "Key Facts", 6360, 120, 1995),
                   button(TeachersNotes, "Teacher's Notes", 8640, 120, 3195),
                   button(MultipleChoice, "Multiple Choice", 120, 7920, 3195),
                   button(LabellingActivity, "Labelling Activity", 3600, 7920, 3195),
                   button(OrderingActivity, "Ordering Activity", 7080, 7920, 3195),
                   button(Exit, "Exit", 10560, 7920, 1245),
               });

    wireHoverHighlight(*this, label3);
    if (unit_.pictureClearsHighlights)
        connect(Image1, &MouseControl::mouseMoved, this, [this] { clearButtonHighlights(label3); });
    label3.onClick = [this](int index) { label3_Click(index); };
}

void TopicMenu::load()
{
    commonSetup(*this);
    setBackColor(colours::screenBack);
    Image1->loadPicture(unit_.picture);
}

void TopicMenu::label3_Click(int index)
{
    switch (index) {
    case MultipleChoice:
        startQuiz();
        break;
    case LabellingActivity:
        showLabellingActivity();
        break;
    case OrderingActivity:
        showOrderingActivity();
        break;
    case KeyFacts:
        openPages(unit_.keyFactsBase, unit_.keyFactsPages);
        break;
    case TeachersNotes:
        openPages(unit_.notesBase, unit_.notesPages);
        break;
    case Exit:
        touch<intro0>().showScreen();
        unload();
        break;
    default:
        break;
    }
    playIfSoundOn(QStringLiteral("wav\\click.wav"));
}

// A set that cannot be read or scored is reported and the menu stays as it is.
void TopicMenu::startQuiz()
{
    if (!loadQuizQuestions(unit_.questionFile) || !quizSetCanBeAnswered())
        return;
    multiple &quiz = touch<multiple>();
    quiz.Picture1->loadPicture(unit_.quizPicture);
    quiz.Label5->setCaption(QStringLiteral("Velmora"));
    quiz.showScreen();
}

// The viewer's load reads the page count, so the count and base name are set
// before the first touch of the viewer loads it.
void TopicMenu::openPages(const QString &baseName, int pageCount)
{
    Module1.pageCount = pageCount;
    Module1.pageBaseName = baseName;
    teacher &viewer = touch<teacher>();
    viewer.Image1->loadPicture(pageFileName(QStringLiteral("wmf"), baseName, 1));
    viewer.Image2->loadPicture(pageFileName(QStringLiteral("wmf2"), baseName, 1));
    viewer.showScreen();
}
