#pragma once
// The backdrop behind every content screen for the whole run. It carries the
// sound component every screen plays through.
#include "toolkit/screen.h"
#include "toolkit/sound.h"

class Grey : public Screen {
    Q_OBJECT
public:
    Grey();
    SoundComponent *SndDevil1;

protected:
    void load() override;
    void paintEvent(QPaintEvent *event) override;
};

// Plays a sound through the backdrop's sound component when the sound switch is on.
void playIfSoundOn(const QString &relativePath);
// Gets the sounds a screen is about to play ready, away from the user-interface thread.
void preloadSounds(const QStringList &relativePaths);
