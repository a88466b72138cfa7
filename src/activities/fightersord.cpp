#include "activities/fightersord.h"

#include "activities/activitylook.h"
#include "toolkit/builders.h"

using namespace activitylook;

namespace {
const FontDesign kLabelFont{QStringLiteral("Tahoma"), 11.25, true};
const FontDesign kTimes20{QStringLiteral("Times New Roman"), 20.25};

// Labels and boxes 0-4 are the false sentences and the "False" column on the
// right; 5-9 the true ones and the "True" column on the left.
DragLayout sentencesLayout()
{
    return {
        5685, 375, kLabelFont,
        5685, 375, HomeSlotFit::Width,
        text(QString(), 0, 120, 3465, 705, {QStringLiteral("Times New Roman"), 27.75}, yellow, Qt::AlignHCenter),
        {
            // text, tray left, top, box left, top
            {"A phalanx was a type of Greek sword.", 120, 6360, 6120, 3000},
            {"Athenian men aged 70 could be called on to fight.", 120, 7320, 6120, 2400},
            {"The Spartan navy beat the Persians in 480 BC.", 6120, 5400, 6120, 1800},
            {"Greek shields were shaped like diamonds.", 120, 5400, 6120, 3600},
            {"Greek warships were up to 400 metres long.", 6120, 5880, 6120, 4200},
            {"Large ships used in war were called triremes.", 6120, 7320, 120, 2400},
            {"Greek foot-soldiers were called hoplites.", 120, 5880, 120, 3000},
            {"Greek soldiers wore greaves to protect their legs.", 6120, 6840, 120, 3600},
            {"Some pikes were more than five metres long.", 6120, 6360, 120, 1800},
            {"The Greeks used chariots to attack the enemy.", 120, 6840, 120, 4200},
        },
    };
}
} // namespace

fightersord::fightersord() : DragActivity(QStringLiteral("fightersord"), sentencesLayout())
{
    makeLabels(this, Label5, QStringLiteral("Label5"),
               {
                   text(0, QStringLiteral("True"), 60, 1200, 5865, 585, kTimes20, green, Qt::AlignHCenter),
                   text(2, QStringLiteral("False"), 6060, 1200, 5745, 555, kTimes20, green, Qt::AlignHCenter),
               });
    Label7 = makeLabel(this, QStringLiteral("Label7"),
                       text(QStringLiteral("Which of the following sentences about Greek fighters are true and which "
                                           "are false?"),
                            4080, 0, 7665, 1305, {QStringLiteral("Times New Roman"), 21.75}, yellow, Qt::AlignHCenter));
    Label8 = makeLabel(this, QStringLiteral("Label8"),
                       text(QStringLiteral("Drag the labels into the correct boxes."), 120, 7860, 2505, 585,
                            {QStringLiteral("Tahoma"), 12, true}, lightCyan, Qt::AlignLeft));
    buildDragControls();
}

int fightersord::scoreLabels() const { return groupingScore(labelCorners(), boxCorners()); }
