#pragma once
// The page viewer: one to three pages of key facts or teacher's notes, or
// the acknowledgments page with its animated logo.
#include "shell/pageviewer.h"
#include "toolkit/timer.h"

class teacher : public PageViewer {
    Q_OBJECT
public:
    teacher();

    PictureBox *Picture1; // logo animation
    PictureBox *Picture2; // logo bitmap
    Timer *Timer1;

protected:
    void load() override;
    int pages() const override;
    QString pageFile(const QString &folder, int page) const override;

private:
    void Timer1_Timer();
};
