#include "activities/fighterslab.h"

#include "common/designs.h"
#include "toolkit/builders.h"

namespace {
DragLayout soldierLayout()
{
    return {
        2325, 375, fonts::tahoma(11.25),
        1845, 375, HomeSlotFit::Height,
        textLabel({}, 0, 120, 3825, 705, fonts::times(24)).wrapped(),
        {
            // text, tray left, top, box left, top
            {"Greaves", 1920, 5520, 9240, 6180},
            {"Bronze Breastplate", 3120, 6480, 9240, 2820},
            {"Spear or pike", 720, 6000, 1800, 1140},
            {"Round Shield", 720, 6480, 1800, 3060},
            {"Plumed Helmet", 3120, 6000, 9240, 1380},
        },
    };
}

struct LeaderLine {
    int index;
    double x1, y1, x2, y2;
};

// Each runs from the named part of the soldier to its box.
const LeaderLine kLeaderLines[] = {
    {0, 4200, 1320, 5640, 1320}, // spear or pike
    {1, 4200, 3240, 6120, 3240}, // round shield
    {2, 7320, 3000, 9120, 3000}, // bronze breastplate
    {3, 7800, 6360, 9120, 6360}, // greaves
    {4, 7680, 1560, 9120, 1560}, // plumed helmet
};
} // namespace

fighterslab::fighterslab() : DragActivity(QStringLiteral("fighterslab"), soldierLayout())
{
    // The picture lies under the leader lines, and both under the labels.
    Image1 = named(new ImageBox(this, 4800, -120, 4530, 8250), QStringLiteral("Image1"));
    for (const LeaderLine &l : kLeaderLines)
        Line1.add(l.index, named(new LineControl(this, l.x1, l.y1, l.x2, l.y2, colours::text, 2),
                                 arrayMemberName(QStringLiteral("Line1"), l.index)));
    Label5 = makeLabel(this, QStringLiteral("Label5"),
                       textLabel(QStringLiteral("Label this picture of a Greek soldier"), 1200, 4320, 3705, 1185,
                                 fonts::times(24))
                           .wrapped());
    Label7 = makeLabel(this, QStringLiteral("Label7"),
                       textLabel(QStringLiteral("Drag the labels into the correct boxes."), 360, 7800, 2745, 585,
                                 fonts::tahoma(12), colours::lightCyan, Qt::AlignRight)
                           .wrapped());
    buildDragControls();
}

void fighterslab::prepareScreen() { Image1->loadPicture(QStringLiteral("Images\\SOLDIER.jpg")); }
