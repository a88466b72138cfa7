#pragma once
// The two activities of a topic unit described as data (UnitDescription):
// its labelling activity, "<slug>lab", whose labels go into boxes joined by
// leader lines to the parts of a picture; and its ordering activity,
// "<slug>ord", whose steps go into numbered or captioned boxes in order, or
// whose true and false sentences go into a "True" and a "False" column,
// where a sentence counts in any box of its own column.
#include "activities/dragengine.h"
#include "common/unitdescription.h"
#include "toolkit/line.h"
#include "toolkit/picturebox.h"

class UnitLabelling : public DragActivity {
    Q_OBJECT
public:
    explicit UnitLabelling(const UnitDescription &unit);

    ImageBox *Image1;
    ControlArray<LineControl> Line1; // leader line i runs from box i to its part
    Label *Label5;                   // the instruction
    Label *Label7;

protected:
    void prepareScreen() override;

private:
    QString picture_;
};

class UnitOrdering : public DragActivity {
    Q_OBJECT
public:
    explicit UnitOrdering(const UnitDescription &unit);

    ControlArray<Label> Label5; // each box's caption, or the columns' headings 0 "True" and 2 "False"
    Label *Label7;              // the instruction
    Label *Label8;

protected:
    QString boxName(int index) const override;

private:
    bool sorting_;
};
