// The drag engine from the keyboard. A pupil who cannot drag picks a label
// up, carries it from place to place (the boxes, then the tray's home slots)
// and puts it down; putting it down runs the very drop test a released
// pointer runs, on the label where it now lies, so the snaps, the thuds, the
// completion test and the score cannot differ between the two.
#include "activities/dragengine.h"
#include "common/readaloud.h"
#include "toolkit/keyboard.h"
#include "toolkit/speakerlabel.h"

#include <QKeyEvent>
#include <algorithm>

namespace {
bool isPress(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space; }
bool isBacktab(const QKeyEvent &key)
{
    return key.key() == Qt::Key_Backtab || (key.key() == Qt::Key_Tab && (key.modifiers() & Qt::ShiftModifier));
}
bool isArrow(int key) { return key >= Qt::Key_Left && key <= Qt::Key_Down; }

bool sameCorner(const Label *a, const Label *b) { return boxOf(a).corner() == boxOf(b).corner(); }

std::vector<Label *> inReadingOrder(const ControlArray<Label> &controls)
{
    std::vector<Label *> all;
    controls.forEach([&all](int, Label *control) { all.push_back(control); });
    return ::inReadingOrder(all);
}
} // namespace

std::vector<Label *> inReadingOrder(std::vector<Label *> labels)
{
    std::stable_sort(labels.begin(), labels.end(), [](const Label *a, const Label *b) {
        return a->top() != b->top() ? a->top() < b->top() : a->left() < b->left();
    });
    return labels;
}

void DragActivity::wireKeyboard()
{
    QList<QWidget *> order;
    for (Label *label : inReadingOrder(Label2))
        order << label;
    order << Label3[StartAgain] << Label3[CheckScore] << Speaker << Label3[Exit];
    setTabSequence(order);
    // The screen opens on its first label, so the first Enter picks it up.
    order.front()->setFocus();
    bindKeys(this, [this](const QKeyEvent &key) { return Label2_Key(key); });
    escapePresses(this, Label3[Exit]);
}

bool DragActivity::Label2_Key(const QKeyEvent &key)
{
    const int k = key.key();
    if (carried_ < 0) {
        if (!isPress(k) || key.isAutoRepeat())
            return false;
        for (int i = 0; i < labelCount(); ++i)
            if (Label2[i] == focusWidget()) {
                pickUp(i);
                return true;
            }
        return false;
    }
    const int places = int(placesInReadingOrder().size());
    int here = placeOfCarried();
    // Straight from the tray, Tab goes to the first box and Shift+Tab to the last.
    if (here >= labelCount() && boxOf(Label2[carried_]).corner() == carriedFrom_)
        here = isBacktab(key) ? labelCount() : -1;
    if (isPress(k)) {
        dropCarried();
    } else if (k == Qt::Key_Escape) { // put back where it was picked up, as if never moved
        Label2[carried_]->moveTo(carriedFrom_.left, carriedFrom_.top);
        carried_ = -1;
        describePlaces();
    } else if (isBacktab(key)) {
        carryTo(here < 0 ? places - 1 : (here + places - 1) % places);
    } else if (k == Qt::Key_Tab) {
        carryTo(here < 0 ? 0 : (here + 1) % places);
    } else if (isArrow(k)) {
        const int next = placeInDirection(k);
        if (next >= 0)
            carryTo(next);
    } else {
        return false;
    }
    return true;
}

void DragActivity::pickUp(int index)
{
    carried_ = index;
    carriedFrom_ = boxOf(Label2[index]).corner();
    Label2[index]->setAccessibleName(Label2[index]->caption() + QStringLiteral(", picked up"));
    readAloud(this, Label2[index]->caption());
}

void DragActivity::carryTo(int place)
{
    Label *to = placesInReadingOrder()[size_t(place)];
    Label *label = Label2[carried_];
    label->moveTo(to->left(), to->top());
    label->setAccessibleName(label->caption() + QStringLiteral(", over ") + to->accessibleName());
}

// The label lies where it was carried; the drop is the pointer's own.
void DragActivity::dropCarried()
{
    const int index = carried_;
    carried_ = -1;
    Label2_MouseUp(index);
}

// The boxes in reading order, then the home slots in reading order.
std::vector<Label *> DragActivity::placesInReadingOrder() const
{
    std::vector<Label *> places = inReadingOrder(Label1);
    for (Label *slot : inReadingOrder(Label4))
        places.push_back(slot);
    return places;
}

int DragActivity::placeOfCarried() const
{
    const std::vector<Label *> places = placesInReadingOrder();
    for (size_t p = 0; p < places.size(); ++p)
        if (sameCorner(places[p], Label2[carried_]))
            return int(p);
    return -1;
}

// The nearest place the arrow points at, straight lines counting more than slanting ones.
int DragActivity::placeInDirection(int key) const
{
    const std::vector<Label *> places = placesInReadingOrder();
    const Label *label = Label2[carried_];
    int best = -1;
    double bestScore = 0;
    for (size_t p = 0; p < places.size(); ++p) {
        const double dx = places[p]->left() - label->left(), dy = places[p]->top() - label->top();
        const bool horizontal = key == Qt::Key_Left || key == Qt::Key_Right;
        const double along = (key == Qt::Key_Left || key == Qt::Key_Up) ? -(horizontal ? dx : dy) : (horizontal ? dx : dy);
        const double across = std::abs(horizontal ? dy : dx);
        if (along <= 0)
            continue;
        const double score = along + 2 * across;
        if (best < 0 || score < bestScore) {
            best = int(p);
            bestScore = score;
        }
    }
    return best;
}

QString DragActivity::boxName(int index) const
{
    const std::vector<Label *> boxes = inReadingOrder(Label1);
    const auto at = std::find(boxes.begin(), boxes.end(), Label1[index]);
    return QStringLiteral("Box %1").arg(int(at - boxes.begin()) + 1);
}

// Screen readers hear which label lies in which box and which box holds what.
void DragActivity::describePlaces()
{
    for (int b = 0; b < labelCount(); ++b) {
        QStringList held;
        for (int i = 0; i < labelCount(); ++i)
            if (sameCorner(Label2[i], Label1[b]))
                held << Label2[i]->caption();
        Label1[b]->setAccessibleName(boxName(b) + (held.isEmpty() ? QString() : QStringLiteral(", holding ") + held.join(QStringLiteral(", "))));
    }
    const std::vector<Label *> homeSlots = inReadingOrder(Label4);
    for (size_t s = 0; s < homeSlots.size(); ++s)
        homeSlots[s]->setAccessibleName(QStringLiteral("Tray place %1").arg(int(s) + 1));
    for (int i = 0; i < labelCount(); ++i) {
        QString where = QStringLiteral(", not in a box");
        for (int b = 0; b < labelCount(); ++b)
            if (sameCorner(Label2[i], Label1[b]))
                where = QStringLiteral(", in ") + boxName(b);
        for (const Label *slot : homeSlots)
            if (sameCorner(Label2[i], slot))
                where = QStringLiteral(", in the tray");
        Label2[i]->setAccessibleName(Label2[i]->caption() + where);
    }
}
