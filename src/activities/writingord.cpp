#include "activities/writingord.h"

#include "common/designs.h"
#include "toolkit/builders.h"

namespace {
DragLayout lettersLayout()
{
    return {
        1515, 495, fonts::tahoma(15.75),
        1515, 495, HomeSlotFit::WidthAndHeight,
        textLabel({}, 120, 120, 4305, 705, fonts::times(24)).wrapped(),
        {
            // text, tray left, top, box left, top
            {"Gamma", 2040, 7320, 5160, 4680},
            {"Alpha", 3600, 7320, 1560, 4680},
            {"Epsilon", 8280, 7320, 8760, 4680},
            {"Beta", 6720, 7320, 3360, 4680},
            {"Delta", 5160, 7320, 6960, 4680},
        },
    };
}

// A Latin letter that the Symbol font shows as the Greek letter above a box.
LabelDesign greekLetter(int index, const char *latin, double left, double top, double width = 1095)
{
    return textLabel(QString::fromLatin1(latin), left, top, width, 975, {QStringLiteral("Symbol"), 36, true}).at(index);
}
} // namespace

writingord::writingord() : DragActivity(QStringLiteral("writingord"), lettersLayout())
{
    makeLabels(this, Label5, QStringLiteral("Label5"),
               {
                   greekLetter(5, "A", 1800, 2280), greekLetter(0, "a", 1680, 3360, 1335),
                   greekLetter(6, "B", 3600, 2280), greekLetter(1, "b", 3600, 3360),
                   greekLetter(7, "G", 5520, 2280), greekLetter(2, "g", 5400, 3240),
                   greekLetter(8, "D", 7200, 2280), greekLetter(3, "d", 7200, 3360),
                   greekLetter(9, "E", 9000, 2280), greekLetter(4, "e", 9000, 3360),
               });
    Label8 = makeLabel(this, QStringLiteral("Label8"),
                       textLabel(QStringLiteral("Put the first five letters of the Greek alphabet in order."), 6120, 120,
                                 5505, 1065, fonts::times(20.25), colours::green)
                           .wrapped());
    Label9 = makeLabel(this, QStringLiteral("Label9"),
                       textLabel(QStringLiteral("Drag the labels into the correct boxes."), 120, 7920, 2625, 585,
                                 fonts::tahoma(9.75), colours::lightCyan)
                           .wrapped());
    buildDragControls();
}

QString writingord::boxName(int index) const
{
    const Label *box = Label1[index];
    QStringList letters;
    Label5.forEach([box, &letters](int i, const Label *letter) {
        const double middle = letter->left() + letter->width() / 2;
        if (middle > box->left() && middle < box->left() + box->width())
            i >= 5 ? letters.prepend(letter->displayedText()) : letters.append(letter->displayedText()); // capital first
    });
    return QStringLiteral("Box under ") + letters.join(QLatin1Char(' '));
}
