#include "activities/unitactivities.h"

#include "common/designs.h"
#include "toolkit/builders.h"

namespace {
const FontDesign kItemFont = fonts::tahoma(11.25);

// The labels and boxes of one activity; home slots take the labels' size.
DragLayout layoutOf(const UnitActivity &activity, double width)
{
    std::vector<DragItem> items;
    for (const UnitItem &item : activity.items)
        items.push_back({item.text, item.tray.x(), item.tray.y(), item.box.x(), item.box.y(), item.group});
    return {width, 375, kItemFont, width, 375, HomeSlotFit::WidthAndHeight,
            textLabel({}, 60, 60, 3900, 1140, fonts::times(24)).wrapped(), std::move(items)};
}

LabelDesign instruction(const QString &text)
{
    return textLabel(text, 4080, 0, 7665, 1305, fonts::times(21.75)).wrapped();
}

LabelDesign hint()
{
    return textLabel(QStringLiteral("Drag the labels into the correct boxes."), 120, 7860, 2505, 585, fonts::tahoma(12),
                     colours::lightCyan, Qt::AlignLeft)
        .wrapped();
}
} // namespace

UnitLabelling::UnitLabelling(const UnitDescription &unit)
    : DragActivity(unit.slug + QStringLiteral("lab"), layoutOf(unit.labelling, 2880)),
      picture_(unit.file(QStringLiteral("labelling.jpg")))
{
    // The picture lies under the leader lines, and both under the labels.
    const QRectF &p = unit.labellingPicture;
    Image1 = named(new ImageBox(this, p.left(), p.top(), p.width(), p.height()), QStringLiteral("Image1"));
    Image1->setStretch(true);
    for (int i = 0; i < int(unit.labelling.items.size()); ++i) {
        const QLineF &l = unit.labelling.items[size_t(i)].leader;
        Line1.add(i, named(new LineControl(this, l.x1(), l.y1(), l.x2(), l.y2(), colours::text, 2),
                           arrayMemberName(QStringLiteral("Line1"), i)));
    }
    Label5 = makeLabel(this, QStringLiteral("Label5"), instruction(unit.labelling.instruction));
    Label7 = makeLabel(this, QStringLiteral("Label7"), hint());
    buildDragControls();
}

void UnitLabelling::prepareScreen() { Image1->loadPicture(picture_); }

UnitOrdering::UnitOrdering(const UnitDescription &unit)
    : DragActivity(unit.slug + QStringLiteral("ord"), layoutOf(unit.ordering, 5685)), sorting_(unit.sorting)
{
    const FontDesign times20 = fonts::times(20.25);
    if (sorting_) {
        makeLabels(this, Label5, QStringLiteral("Label5"),
                   {
                       textLabel(QStringLiteral("True"), 60, 1200, 5865, 585, times20, colours::green).at(0),
                       textLabel(QStringLiteral("False"), 6060, 1200, 5745, 555, times20, colours::green).at(2),
                   });
    } else {
        for (int i = 0; i < int(unit.ordering.items.size()); ++i) {
            const UnitItem &step = unit.ordering.items[size_t(i)];
            Label5.add(i, makeLabel(this, arrayMemberName(QStringLiteral("Label5"), i),
                                    textLabel(step.caption, step.captionAt.x(), step.captionAt.y(), 1800, 375,
                                              kItemFont, colours::text, Qt::AlignRight)));
        }
    }
    Label7 = makeLabel(this, QStringLiteral("Label7"), instruction(unit.ordering.instruction));
    Label8 = makeLabel(this, QStringLiteral("Label8"), hint());
    buildDragControls();
}

// A sorting box is named by its column, a step's box by its caption.
QString UnitOrdering::boxName(int index) const
{
    if (!sorting_)
        return Label5[index]->caption() + QStringLiteral(", ") + DragActivity::boxName(index);
    const bool trueColumn = Label1[index]->left() < Label5[2]->left();
    return Label5[trueColumn ? 0 : 2]->caption() + QStringLiteral(", ") + DragActivity::boxName(index);
}
