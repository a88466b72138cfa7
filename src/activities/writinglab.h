#pragma once
// Six English words dragged beside the same words written in Greek letters.
// The screen also holds a two-row alphabet strip (a Caesar shift of three)
// that stays hidden: it would lie over the opening paragraph.
#include "activities/dragengine.h"

class writinglab : public DragActivity {
    Q_OBJECT
public:
    writinglab();

    ControlArray<Label> Label5; // the words in Greek letters
    ControlArray<Label> Label7; // alphabet strip: plain letters
    ControlArray<Label> Label10; // alphabet strip: the letters three on
    Label *Label8;
    Label *Label9;
    Label *Label11;

protected:
    void prepareScreen() override;
    // Each box is named by the Greek word beside it.
    QString boxName(int index) const override;

private:
    void buildAlphabetStrip();
};
