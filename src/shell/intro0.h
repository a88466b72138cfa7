#pragma once
// The main menu: the hub that opens the topic units, the guide, the
// acknowledgments, the wizard and the catalogue, holds the sound switch and
// reads the worksheet catalogue once it has loaded.
#include "common/mainmenu.h"
#include "toolkit/controlarray.h"
#include "toolkit/inputs.h"
#include "toolkit/label.h"
#include "toolkit/picturebox.h"
#include "toolkit/timer.h"

class intro0 : public MainMenu {
    Q_OBJECT
public:
    intro0();
    // Makes this screen the main menu that the screens below the shell reach.
    static void defineAsMainMenu();
    const Picture &picture() const override { return Image1->picture(); }
    QString title() const override { return Label1->caption(); }

    Label *Label1;
    Label *Label3;
    ImageBox *Image1;
    OptionButton *Option1;
    OptionButton *Option2;
    Timer *Timer1;
    ControlArray<Label> Label2;

protected:
    void load() override;

private:
    void Label2_Click(int index);
    void Timer1_Timer();
    void showAcknowledgments();
    void showGuide();
    void openDescribedUnit(const QString &slug);
};
