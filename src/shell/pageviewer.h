#pragma once
// The two page viewers, key facts and teacher's notes (teacher) and the
// Teachers' Guide (guide): a page shown from its screen copy and printed
// from its print copy, four buttons and a page label. They differ in how
// many pages they have, how a page's files are named and what else they show.
#include "toolkit/controlarray.h"
#include "toolkit/label.h"
#include "toolkit/picturebox.h"
#include "toolkit/screen.h"

class SpeakerLabel;

namespace viewer {
enum Button { Print = 0, Exit = 1, NextPage = 2, PreviousPage = 3 };
}

class PageViewer : public Screen {
    Q_OBJECT
public:
    ImageBox *Image1; // the page on screen, at its own size
    ImageBox *Image2; // the same page for printing, never visible
    Label *Label1;    // "Page 1 of 2"
    ControlArray<Label> Label3;
    // Reads the page shown aloud, from the text kept beside its picture.
    SpeakerLabel *Speaker;

protected:
    // printCopyTop: where the hidden print copy lies (it is never seen).
    PageViewer(const QString &name, double printCopyLeft, double printCopyTop);
    // The number of pages, and the content path of a page's copy in folder
    // "wmf" (screen) or "wmf2" (printer); empty for a page outside the set.
    virtual int pages() const = 0;
    virtual QString pageFile(const QString &folder, int page) const = 0;
    void showPageLabel();

private:
    void Label3_Click(int index);
    void changePage();
};
