#include "shell/topicmenu.h"

#include "activities/fighterslab.h"
#include "activities/fightersord.h"
#include "activities/unitactivities.h"
#include "activities/writinglab.h"
#include "activities/writingord.h"
#include "common/colours.h"
#include "common/commonsetup.h"
#include "common/designs.h"
#include "common/grey.h"
#include "common/module1.h"
#include "common/sounds.h"
#include "quiz/multiple.h"
#include "shell/intro0.h"
#include "shell/pagenames.h"
#include "shell/quizstart.h"
#include "shell/teacher.h"
#include "toolkit/builders.h"
#include "toolkit/hover.h"
#include "toolkit/keyboard.h"

namespace {
enum Button {
    MultipleChoice = 0,
    LabellingActivity = 1,
    Exit = 2,
    OrderingActivity = 3,
    KeyFacts = 4,
    TeachersNotes = 5,
};

TopicUnit greekFighters()
{
    return {
        QStringLiteral("fighters"),
        QStringLiteral("Greek Fighters"),
        QStringLiteral("Images\\SPARTAN ARMY.jpg"),
        QRectF(0, -120, 12000, 9150), // fills the screen, behind the buttons
        true,
        QStringLiteral("multiple\\Greek Fighters.txt"),
        QStringLiteral("images\\SPARTAN ARMY2.jpg"),
        QStringLiteral("Velmora"),
        QStringLiteral("key fighters"), 2,
        QStringLiteral("fighters"), 1,
        []() -> DragActivity & { return touch<fighterslab>(); },
        []() -> DragActivity & { return touch<fightersord>(); },
    };
}

TopicUnit greekWriting()
{
    return {
        QStringLiteral("writing"),
        QStringLiteral("Greek Writing"),
        QStringLiteral("Images\\horse5.jpg"),
        QRectF(2520, -480, 5940, 8850),
        false,
        QStringLiteral("multiple\\Greek Writing.txt"),
        QStringLiteral("images\\horsesm.jpg"),
        QStringLiteral("Velmora"),
        QStringLiteral("key writing"), 2,
        QStringLiteral("writing"), 1,
        []() -> DragActivity & { return touch<writinglab>(); },
        []() -> DragActivity & { return touch<writingord>(); },
    };
}

// Its files lie in its own folder of the content, never among the worksheets;
// its quiz is headed, and its certificate made out, with its title.
TopicUnit describedUnit(const UnitDescription &unit)
{
    return {
        unit.slug,
        unit.title,
        unit.file(QStringLiteral("menu.jpg")),
        unit.menuPicture,
        true,
        unit.file(QStringLiteral("questions.txt")),
        unit.file(QStringLiteral("quiz.jpg")),
        unit.title,
        QStringLiteral("key ") + unit.slug, unit.keyFactsPages,
        unit.slug, unit.notesPages,
        [unit]() -> DragActivity & { return touchKeyed<UnitLabelling>(unit.slug, unit); },
        [unit]() -> DragActivity & { return touchKeyed<UnitOrdering>(unit.slug, unit); },
    };
}
} // namespace

fighters::fighters() : TopicMenu(greekFighters()) {}
writing::writing() : TopicMenu(greekWriting()) {}
UnitMenu::UnitMenu(const UnitDescription &unit) : TopicMenu(describedUnit(unit)) {}

TopicMenu::TopicMenu(const TopicUnit &unit) : Screen(unit.screenName), unit_(unit)
{
    // The picture is made first so the title and the buttons lie over it.
    const QRectF g = unit_.pictureGeometry;
    Image1 = named(new ImageBox(this, g.left(), g.top(), g.width(), g.height()), QStringLiteral("Image1"));
    Image1->setStretch(true);
    Label1 = makeLabel(this, QStringLiteral("Label1"),
                       textLabel(unit_.title, 240, 0, 6000, 900, fonts::times(27.75, true), colours::text, Qt::AlignLeft));
    makeLabels(this, label3, QStringLiteral("label3"),
               {
                   buttonLabel(KeyFacts, QStringLiteral("Key Facts"), 6360, 120, 1995),
                   buttonLabel(TeachersNotes, QStringLiteral("Teacher's Notes"), 8640, 120, 3195),
                   buttonLabel(MultipleChoice, QStringLiteral("Multiple Choice"), 120, 7920, 3195),
                   buttonLabel(LabellingActivity, QStringLiteral("Labelling Activity"), 3600, 7920, 3195),
                   buttonLabel(OrderingActivity, QStringLiteral("Ordering Activity"), 7080, 7920, 3195),
                   buttonLabel(Exit, QStringLiteral("Exit"), 10560, 7920, 1245),
               });

    wireHoverHighlight(*this, label3);
    if (unit_.pictureClearsHighlights)
        connect(Image1, &MouseControl::mouseMoved, this, [this] { clearButtonHighlights(label3); });
    label3.onClick = [this](int index) { label3_Click(index); };
    escapePresses(this, label3[Exit]);
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
        openActivity(unit_.labellingActivity());
        break;
    case OrderingActivity:
        openActivity(unit_.orderingActivity());
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
    playIfSoundOn(sounds::click);
}

// A set that cannot be read or scored is reported and the menu stays as it is.
void TopicMenu::startQuiz()
{
    if (!loadQuizQuestions(unit_.questionFile) || !quizSetCanBeAnswered())
        return;
    multiple &quiz = touch<multiple>();
    quiz.Picture1->loadPicture(unit_.quizPicture);
    quiz.Label5->setCaption(unit_.quizHeading);
    quiz.showScreen();
}

// The unit's activity opens under this menu's title as its heading.
void TopicMenu::openActivity(DragActivity &activity)
{
    activity.Label6->setCaption(Label1->caption());
    activity.showScreen();
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
