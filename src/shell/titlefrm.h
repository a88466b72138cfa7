#pragma once
// The title screen: first screen of a run and the way out of the program.
#include "toolkit/frame.h"
#include "toolkit/inputs.h"
#include "toolkit/label.h"
#include "toolkit/picturebox.h"
#include "toolkit/screen.h"

class Titlefrm : public Screen {
    Q_OBJECT
public:
    Titlefrm();

    Frame *Frame1;
    Label *Label4;
    PictureBox *Picture1;
    Label *Label1;
    Label *Label5;
    Label *Label3;
    Label *Label2;
    CommandButton *Command1;
    CommandButton *Command2;

protected:
    void load() override;

private:
    void loadFailed();
    void Command1_Click();
    void Command2_Click();
};
