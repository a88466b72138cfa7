#include "activities/dragengine.h"

#include "common/commonsetup.h"
#include "common/designs.h"
#include "common/grey.h"
#include "common/module1.h"
#include "common/readaloud.h"
#include "common/sounds.h"
#include "quiz/welldone.h"
#include "toolkit/builders.h"
#include "toolkit/hover.h"
#include "toolkit/speakerlabel.h"

namespace {
// A box, or a label in its box: the label font, yellow on black with a border.
LabelDesign boxed(int index, const QString &caption, double left, double top, const DragLayout &d)
{
    return buttonLabel(index, caption, left, top, d.labelWidth, d.labelHeight, d.font).opaque();
}
} // namespace

TwipsBox boxOf(const Label *label)
{
    return {float(label->left()), float(label->top()), float(label->width()), float(label->height())};
}

DragActivity::DragActivity(const QString &name, DragLayout layout) : Screen(name), layout_(std::move(layout)) {}

void DragActivity::buildDragControls()
{
    const DragLayout &d = layout_;
    // Boxes and home slots first: labels lying on them stay on top and keep
    // receiving the pointer.
    for (int i = 0; i < labelCount(); ++i) {
        const DragItem &item = d.items[size_t(i)];
        Label1.add(i, makeLabel(this, arrayMemberName(QStringLiteral("Label1"), i),
                                boxed(i, item.text, item.boxLeft, item.boxTop, d)
                                    .actsAs(QAccessible::StaticText)));
    }
    for (int i = 0; i < labelCount(); ++i) {
        const DragItem &item = d.items[size_t(i)];
        Label4.add(i, makeLabel(this, arrayMemberName(QStringLiteral("Label4"), i),
                                textLabel({}, item.trayLeft, item.trayTop, d.homeSlotWidth, d.homeSlotHeight, d.font)
                                    .at(i)
                                    .bordered()));
    }
    // The three buttons stand at the same place on every activity screen, in
    // their black boxes until the pointer first crosses the background.
    makeLabels(this, Label3, QStringLiteral("Label3"),
               {
                   buttonLabel(Exit, QStringLiteral("Exit"), 10560, 7920, 1245).opaque(),
                   buttonLabel(StartAgain, QStringLiteral("Start Again"), 3360, 7920, 2565).opaque(),
                   buttonLabel(CheckScore, QStringLiteral("Check Score"), 6000, 7920, 2565).opaque().hidden(),
               });
    wireHoverHighlight(*this, Label3);
    // Between "Check Score" and "Exit", where no activity has anything else.
    Speaker = makeSpeakerButton(*this, 9300, 7920, QStringLiteral("Read the instructions aloud"));
    Speaker->setBackStyle(BackStyle::Opaque);
    connect(Speaker, &MouseControl::clicked, this, [this] { readAloud(this, instructionText()); });
    Label6 = makeLabel(this, QStringLiteral("Label6"), d.heading);
    for (int i = 0; i < labelCount(); ++i) {
        const DragItem &item = d.items[size_t(i)];
        Label2.add(i, makeLabel(this, arrayMemberName(QStringLiteral("Label2"), i),
                                boxed(i, QString(), item.trayLeft, item.trayTop, d)));
    }

    Label2.onMouseMove = [this](int index, const MouseState &state) { Label2_MouseMove(index, state); };
    Label2.onMouseUp = [this](int index, const MouseState &) { Label2_MouseUp(index); };
    // A label is read as the pointer picks it up; the drag itself starts with the first move.
    Label2.onMouseDown = [this](int index, const MouseState &state) {
        if (state.button == Qt::LeftButton)
            readAloud(this, Label2[index]->caption());
    };
    Label3.onClick = [this](int index) { Label3_Click(index); };
    wireKeyboard();
}

void DragActivity::load()
{
    commonSetup(*this);
    Module1.questionCount = labelCount();
    preloadSounds({sounds::thud, sounds::click});
    prepareScreen();
    fitHomeSlots();
    putLabelsInTray();
    describePlaces();
}

void DragActivity::fitHomeSlots()
{
    const bool width = layout_.homeSlotFit != HomeSlotFit::Height;
    const bool height = layout_.homeSlotFit != HomeSlotFit::Width;
    for (int i = 0; i < labelCount(); ++i) {
        Label *slot = Label4[i];
        const Label *label = Label2[i];
        slot->setGeometryTwips(slot->left(), slot->top(), width ? label->width() : slot->width(),
                               height ? label->height() : slot->height());
    }
}

// Each label takes its box's caption and the box becomes a bare outline; the
// home slots move under the labels' tray places.
void DragActivity::putLabelsInTray()
{
    for (int i = 0; i < labelCount(); ++i) {
        Label2[i]->setCaption(Label1[i]->caption());
        Label1[i]->setCaption(QString());
        Label1[i]->setBackStyle(BackStyle::Transparent);
        Label1[i]->setVisible(true);
        Label4[i]->moveTo(Label2[i]->left(), Label2[i]->top());
        Label2[i]->setVisible(true);
        Label4[i]->setVisible(true);
    }
}

// Only the left button alone drags; the label's centre jumps to the pointer.
void DragActivity::Label2_MouseMove(int index, const MouseState &state)
{
    if (state.buttons != Qt::LeftButton)
        return;
    Label *label = Label2[index];
    const QSizeF client = clientSizeTwips();
    const TwipsPoint to =
        followPointer(boxOf(label), float(state.x), float(state.y), float(client.width()), float(client.height()));
    label->moveTo(to.left, to.top);
}

std::vector<TwipsBox> DragActivity::zonesInTestOrder() const
{
    std::vector<TwipsBox> zones;
    zones.reserve(size_t(2 * labelCount()));
    for (int i = 0; i < labelCount(); ++i) {
        zones.push_back(boxOf(Label1[i]));
        zones.push_back(boxOf(Label4[i]));
    }
    return zones;
}

// Any button's release drops the label: it snaps into every zone that holds
// its corner, in order, with a thud each time; then the completion test.
void DragActivity::Label2_MouseUp(int index)
{
    Label *label = Label2[index];
    const DropResult drop = dropOnZones(boxOf(label).corner(), zonesInTestOrder());
    for (size_t snap = 0; snap < drop.snaps.size(); ++snap)
        playIfSoundOn(sounds::thud);
    if (!drop.snaps.empty())
        label->moveTo(drop.corner.left, drop.corner.top);
    if (countLabelsInBoxes(labelCorners(), boxCorners()) == Module1.questionCount)
        Label3[CheckScore]->setVisible(true);
    describePlaces();
}

void DragActivity::Label3_Click(int index)
{
    Module1.score = 0;
    switch (index) {
    case Exit:
        unload();
        break;
    case StartAgain:
        carried_ = -1; // a label carried by keys goes home with the others
        for (int i = 0; i < labelCount(); ++i)
            Label2[i]->moveTo(Label4[i]->left(), Label4[i]->top());
        Label3[CheckScore]->setVisible(false);
        describePlaces();
        break;
    case CheckScore:
        Module1.score = scoreLabels();
        showResults();
        break;
    default:
        break;
    }
    playIfSoundOn(sounds::click);
}

// The results open above this screen, which stays as it is beneath.
void DragActivity::showResults()
{
    touch<Welldone>().showResult(QuizResult::ofActivity(Module1.score, Module1.questionCount));
}

int DragActivity::scoreLabels() const
{
    std::vector<int> groups;
    for (int i = 0; i < labelCount(); ++i)
        groups.push_back(layout_.items[size_t(i)].group < 0 ? i : layout_.items[size_t(i)].group);
    return groupScore(labelCorners(), boxCorners(), groups);
}

std::vector<TwipsPoint> DragActivity::labelCorners() const
{
    std::vector<TwipsPoint> corners;
    for (int i = 0; i < labelCount(); ++i)
        corners.push_back(boxOf(Label2[i]).corner());
    return corners;
}

std::vector<TwipsPoint> DragActivity::boxCorners() const
{
    std::vector<TwipsPoint> corners;
    for (int i = 0; i < labelCount(); ++i)
        corners.push_back(boxOf(Label1[i]).corner());
    return corners;
}

// What the screen asks of the pupil: its own texts in reading order, without
// the engine's labels, boxes and heading, and without words in Greek
// letters, which would read out the answers.
QString DragActivity::instructionText() const
{
    std::vector<Label *> texts;
    for (Label *label : findChildren<Label *>(QString(), Qt::FindDirectChildrenOnly))
        if (label->accessibleRole() == QAccessible::StaticText && label != Label6 && label->isVisibleTo(this) &&
            !label->caption().isEmpty() &&
            label->fontDesign().name.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) != 0)
            texts.push_back(label);
    QStringList parts;
    for (const Label *text : inReadingOrder(texts))
        parts << text->caption();
    return asSentences(parts);
}
