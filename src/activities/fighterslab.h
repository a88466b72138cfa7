#pragma once
// "Label this picture of a Greek soldier": five part names dragged into the
// boxes at the ends of the leader lines beside the soldier's picture.
#include "activities/dragengine.h"
#include "toolkit/line.h"
#include "toolkit/picturebox.h"

class fighterslab : public DragActivity {
    Q_OBJECT
public:
    fighterslab();

    ImageBox *Image1;
    ControlArray<LineControl> Line1; // leader lines from the picture's parts to the boxes
    Label *Label5;
    Label *Label7;

protected:
    void prepareScreen() override;
};
