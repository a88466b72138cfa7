#include "activities/writinglab.h"

#include "common/designs.h"
#include "toolkit/builders.h"

namespace {
const FontDesign kLabelFont = fonts::tahoma(15.75);
constexpr int kAlphabetLetters = 26;
constexpr int kCaesarShift = 3;
constexpr double kStripGap = 60;

DragLayout wordsLayout()
{
    return {
        1635, 495, kLabelFont,
        1635, 495, HomeSlotFit::WidthAndHeight,
        textLabel({}, 120, 120, 2865, 705, fonts::times(24)).wrapped(),
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
    return textLabel(QString::fromLatin1(word), left, top, width, height, {QStringLiteral("Symbol"), 21.75, true},
                     colours::text, Qt::AlignLeft)
        .at(index);
}
} // namespace

writinglab::writinglab() : DragActivity(QStringLiteral("writinglab"), wordsLayout())
{
    const FontDesign times20 = fonts::times(20.25);
    Label8 = makeLabel(this, QStringLiteral("Label8"),
                       textLabel(QStringLiteral("In Julius Caesar's writings he described a method that he used to "
                                                "prevent his enemies from reading his messages. He put his messages in "
                                                "code by using the letters of the Greek alphabet, which few people knew "
                                                "in Western Europe, instead of the latin alphabet."),
                                 240, 840, 11625, 2025, times20, colours::text, Qt::AlignLeft)
                           .wrapped());
    Label11 = makeLabel(this, QStringLiteral("Label11"),
                        textLabel(QStringLiteral("See if you can work out the meaning of each of these words that have "
                                                 "been written in the Greek alphabet."),
                                  1440, 3120, 8865, 1185, times20, colours::text, Qt::AlignLeft)
                            .wrapped());
    Label9 = makeLabel(this, QStringLiteral("Label9"),
                       textLabel(QStringLiteral("Drag the labels into the correct boxes."), 120, 7920, 2625, 585,
                                 fonts::tahoma(11.25), colours::lightCyan)
                           .wrapped());
    makeLabels(this, Label5, QStringLiteral("Label5"),
               {
                   greekWord(0, "Athens", 1440, 4320, 1800, 705),
                   greekWord(1, "Hoplite", 1440, 5040, 1680, 540),
                   greekWord(2, "Sparta", 1440, 5760, 1560, 540),
                   greekWord(3, "Socrates", 6240, 4320, 2025, 540),
                   greekWord(4, "Apollo", 6240, 5040, 1635, 540),
                   greekWord(5, "Argonaut", 6240, 5760, 2055, 540),
               });
    makeLabels(this, Label7, QStringLiteral("Label7"),
               {textLabel(QStringLiteral("a"), 360, 2160, 375, 495, kLabelFont).at(0).hidden()});
    makeLabels(this, Label10, QStringLiteral("Label10"),
               {buttonLabel(0, QStringLiteral("D"), 360, 2640, 375, 495, kLabelFont).opaque().hidden()});
    buildDragControls();
}

void writinglab::prepareScreen() { buildAlphabetStrip(); }

// Elements 1 to 25 of each row copy element 0 and stand 60 twips after the
// one before; the second row reads three letters on (E ... Z, A, B, C).
void writinglab::buildAlphabetStrip()
{
    for (int i = 1; i < kAlphabetLetters; ++i) {
        const QChar plain(char16_t('a' + i));
        const QChar shifted(char16_t('A' + (i + kCaesarShift) % kAlphabetLetters));
        for (auto [row, name, letter] :
             {std::tuple{&Label7, "Label7", plain}, std::tuple{&Label10, "Label10", shifted}}) {
            const Label *first = (*row)[0];
            const Label *before = (*row)[i - 1];
            LabelDesign d;
            d.index = i;
            d.caption = QString(letter);
            d.left = before->left() + before->width() + kStripGap;
            d.top = first->top();
            d.width = first->width();
            d.height = first->height();
            d.font = first->fontDesign();
            d.foreColor = first->foreColor();
            d.backColor = first->backColor();
            d.backStyle = first->backStyle();
            d.border = first->hasBorder();
            d.alignment = Qt::AlignHCenter;
            d.visible = false;
            Label *element = makeLabel(this, arrayMemberName(QString::fromLatin1(name), i), d);
            element->stackUnder((*row)[0]);
            row->add(i, element);
        }
    }
}

QString writinglab::boxName(int index) const
{
    const Label *box = Label1[index];
    const Label *beside = nullptr;
    Label5.forEach([box, &beside](int, const Label *word) {
        const bool sameRow = word->top() < box->top() + box->height() && box->top() < word->top() + word->height();
        if (sameRow && word->left() < box->left() && (!beside || word->left() > beside->left()))
            beside = word;
    });
    return beside ? QStringLiteral("Box beside ") + beside->displayedText() : DragActivity::boxName(index);
}
