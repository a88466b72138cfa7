#pragma once
// "Put the first five letters of the Greek alphabet in order.": five letter
// names dragged into the boxes under the Greek capital and small letters.
#include "activities/dragengine.h"

class writingord : public DragActivity {
    Q_OBJECT
public:
    writingord();

    ControlArray<Label> Label5; // Greek letters: 0-4 small, 5-9 capital
    Label *Label8;
    Label *Label9;

protected:
    // Each box is named by the Greek letters above it.
    QString boxName(int index) const override;
};
