#pragma once
// What assistive technology (a screen reader, over the AT-SPI bus on Linux)
// learns of our painted controls. Labels report the role their screen gives
// them (button, readable text) and are named by the caption they show;
// pictures are named by a short description of what they show, and a page of
// metafile artwork by the text printed on it. Stock Qt controls need nothing
// from here.
#include <QString>
#include <functional>

class QObject;

// Installs the interfaces for our controls; safe to call often.
void installAccessibility();

// Where picture descriptions come from: the content's own list, keyed by the
// content path the picture was loaded from. Returns "" for a picture it does not know.
void setPictureDescriber(std::function<QString(const QString &relativePath)> describe);

// The words a caption says: decorations such as "<<" and ">>" dropped.
QString spokenCaption(const QString &caption);

// Tells assistive technology that a control's name changed (a caption set
// while it is on show: the next question, the score message).
void announceNameChange(QObject *control);
