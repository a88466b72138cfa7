#pragma once
// The page viewer: one to three pages of key facts or teacher's notes, or
// the acknowledgments page with its animated logo. Each page is shown from
// its screen copy and printed from its print copy.
#include "toolkit/controlarray.h"
#include "toolkit/label.h"
#include "toolkit/picturebox.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"

class teacher : public Screen {
    Q_OBJECT
public:
    teacher();

    ImageBox *Image1;   // the page on screen, at its own size
    ImageBox *Image2;   // the same page for printing, never visible
    Label *Label1;      // "Page 1 of 2"
    ControlArray<Label> Label3;
    PictureBox *Picture1; // logo animation
    PictureBox *Picture2; // logo bitmap
    Timer *Timer1;

protected:
    void load() override;

private:
    void Label3_Click(int index);
    void changePage();
    void Timer1_Timer();
};
