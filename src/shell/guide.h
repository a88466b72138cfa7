#pragma once
// The Teachers' Guide: five pages, each shown from its screen copy and
// printed from its print copy.
#include "toolkit/controlarray.h"
#include "toolkit/label.h"
#include "toolkit/picturebox.h"
#include "toolkit/screen.h"

class guide : public Screen {
    Q_OBJECT
public:
    guide();

    ImageBox *Image1;
    ImageBox *Image2;
    Label *Label2; // heading line, empty
    Label *Label1; // "Page 1 of 5"
    ControlArray<Label> Label3;

protected:
    void load() override;

private:
    void Label3_Click(int index);
    void changePage();
};
