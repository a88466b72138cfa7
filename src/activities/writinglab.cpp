#include "activities/writinglab.h"

#include "activities/activitylook.h"
#include "toolkit/builders.h"

using namespace activitylook;

namespace {
const FontDesign kLabelFont{QStringLiteral("Tahoma"), 15.75, true};
const FontDesign kTimes20{QStringLiteral("Times New Roman"), 20.25};
const FontDesign kGreekWords{QStringLiteral("Symbol"), 21.75, true};
constexpr int kAlphabetLetters = 26;
constexpr double kStripGap = 60;

DragLayout wordsLayout()
{
    return {
        1635, 495, kLabelFont,
        1635, 495, HomeSlotFit::WidthAndHeight,
        text(QString(), 120, 120, 2865, 705, {QStringLiteral("Times New Roman"), 24}, yellow, Qt::AlignHCenter),
        {
            // text, tray left, top, box left, top
            {"Sparta", 660, 7200, 3360, 5880},
            {"Athens", 6000, 7200, 3360, 4440},
            {"Apollo", 2400, 7200, 8520, 5160},
            {"Hoplite", 4200, 7200, 3360, 5160},
            {"Socrates", 7800, 7200, 8520, 4440},
            {"Argonaut", 9600, 7200, 8520, 5880},
        },
    };
}

// The Symbol font shows these Latin captions as Greek letters, each to the left of its box.
LabelDesign greekWord(int index, const char *word, double left, double top, double width, double height)
{
    return text(index, QString::fromLatin1(word), left, top, width, height, kGreekWords, yellow, Qt::AlignLeft, false);
}
} // namespace

writinglab::writinglab() : DragActivity(QStringLiteral("writinglab"), wordsLayout())
{
    Label8 = makeLabel(this, QStringLiteral("Label8"),
                       text(QStringLiteral("In Julius Caesar's writings he described a method that he used to prevent "
                                           "his enemies from reading his messages. He put his messages in code by "
                                           "using the letters of the Greek alphabet, which few people knew in "
                                           "Western Europe, instead of the latin alphabet."),
                            240, 840, 11625, 2025, kTimes20, yellow, Qt::AlignLeft));
    Label11 = makeLabel(this, QStringLiteral("Label11"),
                        text(QStringLiteral("See if you can work out the meaning of each of these words that have "
                                            "been written in the Greek alphabet."),
                             1440, 3120, 8865, 1185, kTimes20, yellow, Qt::AlignLeft));
    Label9 = makeLabel(this, QStringLiteral("Label9"),
                       text(QStringLiteral("Drag the labels into the correct boxes."), 120, 7920, 2625, 585,
                            {QStringLiteral("Tahoma"), 11.25, true}, lightCyan, Qt::AlignHCenter));
    makeLabels(this, Label5, QStringLiteral("Label5"),
               {
                   greekWord(0, "Athens", 1440, 4320, 1800, 705),
                   greekWord(1, "Hoplite", 1440, 5040, 1680, 540),
                   greekWord(2, "Sparta", 1440, 5760, 1560, 540),
                   greekWord(3, "Socrates", 6240, 4320, 2025, 540),
                   greekWord(4, "Apollo", 6240, 5040, 1635, 540),
                   greekWord(5, "Argonaut", 6240, 5760, 2055, 540),
               });

    LabelDesign plain = text(0, QStringLiteral("a"), 360, 2160, 375, 495, kLabelFont, yellow, Qt::AlignHCenter, false);
    plain.visible = false;
    makeLabels(this, Label7, QStringLiteral("Label7"), {plain});
    makeLabels(this, Label10, QStringLiteral("Label10"),
               {boxed(0, QStringLiteral("D"), 360, 2640, 375, 495, kLabelFont, false)});
    buildDragControls();
}

void writinglab::prepareScreen() { buildAlphabetStrip(); }

// Elements 1 to 25 of each row copy element 0 and stand 60 twips after the
// one before; the second row reads three letters on (E ... Z, A, B, C).
void writinglab::buildAlphabetStrip()
{
    for (int i = 1; i < kAlphabetLetters; ++i) {
        for (auto [row, name, letter] : {std::tuple{&Label7, "Label7", QChar(char16_t(i + 97))},
                                         std::tuple{&Label10, "Label10", QChar(char16_t((i + 3) % 26 + 65))}}) {
            const Label *first = (*row)[0];
            const Label *before = (*row)[i - 1];
            LabelDesign s;
            s.index = i;
            s.caption = QString(letter);
            s.left = before->left() + before->width() + kStripGap;
            s.top = first->top();
            s.width = first->width();
            s.height = first->height();
            s.font = first->fontDesign();
            s.foreColor = first->foreColor();
            s.backColor = first->backColor();
            s.backStyle = first->backStyle();
            s.border = first->hasBorder();
            s.alignment = Qt::AlignHCenter;
            s.visible = false;
            Label *element = makeLabel(this, arrayMemberName(QString::fromLatin1(name), i), s);
            element->stackUnder((*row)[0]);
            row->add(i, element);
        }
    }
}
