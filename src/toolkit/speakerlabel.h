#pragma once
// A button label that shows a loudspeaker with sound waves in place of a
// caption, so that a pupil who cannot read yet knows it too. It is drawn in
// the label's text colour, etched grey when disabled, inside the label's
// own background and border.
#include "toolkit/label.h"

class SpeakerLabel : public Label {
    Q_OBJECT
public:
    using Label::Label;

protected:
    void paintEvent(QPaintEvent *event) override;
};
