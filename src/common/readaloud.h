#pragma once
// Reading aloud what a pupil must read: a quiz question with its answers, a
// page, an activity's instruction and labels, the score. Readings go through
// the computer's voices while the sound switch is on, at the reading rate set
// for the whole computer; a new reading stops the one before.
#include <QString>
#include <QStringList>
#include <qnamespace.h>

class Screen;
class SpeakerLabel;

// The pace of reading, in percent of a voice's normal pace: the machine
// setting [Speech] Rate, kept within 50 to 200; 80 where none is set, a
// pace young listeners follow.
int readingRate();

// Reads text aloud for reader (the screen reading) when sound is on.
void readAloud(const void *reader, const QString &text);
// Stops the reading reader started, if it is the latest; null stops any.
void stopReading(const void *reader = nullptr);
// Parts read one after the other: each ends a sentence (a full stop is added
// where it has no closing mark), so the voice pauses between them.
QString asSentences(const QStringList &parts);

// The key that presses a screen's speaker button, wherever the focus is. No
// screen uses it otherwise and it types nothing into a text box.
inline constexpr int kReadAloudKey = Qt::Key_F5;

// A speaker button on screen at (left, top) twips: the standard button label
// with a loudspeaker on it, named for screen readers, lit under the pointer
// like the screen's other buttons (make it after those are wired), pressed
// by the read-aloud key too. It stands disabled, with a tooltip saying why,
// when sound is off or no voice can read; the voice is checked as the screen
// opens, without holding it up. When the screen goes, its reading stops.
SpeakerLabel *makeSpeakerButton(Screen &screen, double left, double top, const QString &accessibleName);
