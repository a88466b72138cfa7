#pragma once
// The drag-and-drop engine shared by the four activity screens. Each screen
// has N target boxes (Label1), N draggable labels (Label2) starting in a tray,
// N home slots under the labels' tray places (Label4) and three buttons
// (Label3: 0 "Exit", 1 "Start Again", 2 "Check Score"). Label i belongs in
// box i and takes box i's design caption at load. A label pressed with the
// left button follows the pointer; on release it snaps into any box or home
// slot whose zone holds its corner, with a thud. "Check Score" appears once
// every label lies in some box. What differs between the screens is data
// (DragLayout) plus, for one screen, the scoring rule.
#include "activities/dropzone.h"
#include "toolkit/controlarray.h"
#include "toolkit/label.h"
#include "toolkit/screen.h"

#include <vector>

class QKeyEvent;
class SpeakerLabel;

// Which of a home slot's dimensions it takes from its label at load; the
// other keeps its design value.
enum class HomeSlotFit { Height, Width, WidthAndHeight };

// One pair: label i (its tray place) and box i (its place and caption). A
// label counts in any box of its own group; without a group (-1), only in its
// own box.
struct DragItem {
    QString text;
    double trayLeft, trayTop;
    double boxLeft, boxTop;
    int group = -1;
};

struct DragLayout {
    double labelWidth, labelHeight; // labels and boxes alike
    FontDesign font;                  // labels and boxes alike
    double homeSlotWidth, homeSlotHeight;
    HomeSlotFit homeSlotFit;
    LabelDesign heading;              // Label6, written by the opening topic menu
    std::vector<DragItem> items;    // in index order
};

class DragActivity : public Screen {
    Q_OBJECT
public:
    DragActivity(const QString &name, DragLayout layout);

    int labelCount() const { return int(layout_.items.size()); }

    ControlArray<Label> Label1; // boxes
    ControlArray<Label> Label2; // draggable labels
    ControlArray<Label> Label3; // buttons
    ControlArray<Label> Label4; // home slots
    Label *Label6 = nullptr;    // heading
    // Reads the screen's instruction aloud; a label is read when it is picked up.
    SpeakerLabel *Speaker = nullptr;

    enum Button { Exit = 0, StartAgain = 1, CheckScore = 2 };

protected:
    // Creates the boxes, home slots, labels, buttons and heading. Screens call
    // it after their own pictures and texts, so dragged labels pass over them.
    void buildDragControls();

    void load() override;
    // The screen's own load step, run before the labels are placed.
    virtual void prepareScreen() {}
    // The score "Check Score" reports: the labels lying in a box of their group.
    int scoreLabels() const;

    std::vector<TwipsPoint> labelCorners() const;
    std::vector<TwipsPoint> boxCorners() const;
    // What a screen reader calls box i ("Box 3" in reading order unless a screen says more).
    virtual QString boxName(int index) const;

private:
    void Label2_MouseMove(int index, const MouseState &state);
    void Label2_MouseUp(int index);
    QString instructionText() const;
    // Carrying a label with the keyboard (dragkeys.cpp): Enter or Space picks
    // the focused label up, Tab and the arrows carry it from place to place,
    // Enter or Space drops it through the drop test, Escape puts it back.
    bool Label2_Key(const QKeyEvent &key);
    void pickUp(int index);
    void carryTo(int place);
    void dropCarried();
    std::vector<Label *> placesInReadingOrder() const;
    int placeOfCarried() const;
    int placeInDirection(int key) const;
    void describePlaces();
    void wireKeyboard();
    void Label3_Click(int index);
    void fitHomeSlots();
    void putLabelsInTray();
    void showResults();
    std::vector<TwipsBox> zonesInTestOrder() const;

    DragLayout layout_;
    int carried_ = -1;          // the label being carried, or -1
    TwipsPoint carriedFrom_{};  // where it was picked up
};

// Twips geometry of a label in single precision, as the engine compares it.
TwipsBox boxOf(const Label *label);
// Top to bottom, then left to right.
std::vector<Label *> inReadingOrder(std::vector<Label *> labels);
