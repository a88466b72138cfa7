#pragma once
// "Which of the following sentences about Greek fighters are true and which
// are false?": ten sentences sorted into a "True" and a "False" column. Any
// sentence counts in any box of its own column.
#include "activities/dragengine.h"

class fightersord : public DragActivity {
    Q_OBJECT
public:
    fightersord();

    ControlArray<Label> Label5; // column headings: 0 "True", 2 "False"
    Label *Label7;
    Label *Label8;

protected:
    // Each box is named by its column, "True" or "False".
    QString boxName(int index) const override;
};
