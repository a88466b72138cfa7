#include "activities/fightersord.h"

#include "common/designs.h"
#include "toolkit/builders.h"

namespace {
// Labels and boxes 0-4 are the false sentences and the "False" column on the
// right; 5-9 the true ones and the "True" column on the left. A sentence
// counts in any box of its own column.
DragLayout sentencesLayout()
{
    return {
        5685, 375, fonts::tahoma(11.25),
        5685, 375, HomeSlotFit::Width,
        textLabel({}, 0, 120, 3465, 705, fonts::times(27.75)).wrapped(),
        {
            // text, tray left, top, box left, top, group (0 false, 1 true)
            {"A phalanx was a type of Greek sword.", 120, 6360, 6120, 3000, 0},
            {"Athenian men aged 70 could be called on to fight.", 120, 7320, 6120, 2400, 0},
            {"The Spartan navy beat the Persians in 480 BC.", 6120, 5400, 6120, 1800, 0},
            {"Greek shields were shaped like diamonds.", 120, 5400, 6120, 3600, 0},
            {"Greek warships were up to 400 metres long.", 6120, 5880, 6120, 4200, 0},
            {"Large ships used in war were called triremes.", 6120, 7320, 120, 2400, 1},
            {"Greek foot-soldiers were called hoplites.", 120, 5880, 120, 3000, 1},
            {"Greek soldiers wore greaves to protect their legs.", 6120, 6840, 120, 3600, 1},
            {"Some pikes were more than five metres long.", 6120, 6360, 120, 1800, 1},
            {"The Greeks used chariots to attack the enemy.", 120, 6840, 120, 4200, 1},
        },
    };
}
} // namespace

fightersord::fightersord() : DragActivity(QStringLiteral("fightersord"), sentencesLayout())
{
    const FontDesign times20 = fonts::times(20.25);
    makeLabels(this, Label5, QStringLiteral("Label5"),
               {
                   textLabel(QStringLiteral("True"), 60, 1200, 5865, 585, times20, colours::green).at(0).wrapped(),
                   textLabel(QStringLiteral("False"), 6060, 1200, 5745, 555, times20, colours::green).at(2).wrapped(),
               });
    Label7 = makeLabel(this, QStringLiteral("Label7"),
                       textLabel(QStringLiteral("Which of the following sentences about Greek fighters are true and "
                                                "which are false?"),
                                 4080, 0, 7665, 1305, fonts::times(21.75))
                           .wrapped());
    Label8 = makeLabel(this, QStringLiteral("Label8"),
                       textLabel(QStringLiteral("Drag the labels into the correct boxes."), 120, 7860, 2505, 585,
                                 fonts::tahoma(12), colours::lightCyan, Qt::AlignLeft)
                           .wrapped());
    buildDragControls();
}

// Boxes 0 to 4 make the "False" column, the others the "True" one.
QString fightersord::boxName(int index) const
{
    return (index < 5 ? Label5[2] : Label5[0])->caption() + QStringLiteral(", ") + DragActivity::boxName(index);
}
