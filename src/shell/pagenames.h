#pragma once
// Names and captions of the page viewers, worked out from the page number.
#include <QString>

// "Page 1 of 2": the words with each number written with its sign place.
QString pageLabelCaption(int page, int pageCount);
// Page n of the set with base name B: B + "a" for page 1, "b", "c"; empty
// outside 1 to 3. folder is "wmf" (screen) or "wmf2" (printer).
QString pageFileName(const QString &folder, const QString &baseName, int page);
// The guide's page n: "wmf\guide3.wmf".
QString guidePageFileName(const QString &folder, int page);
// Logo animation frame f (0..19): "logo\quor0007.gif", "logo\quor0012.gif".
QString logoFrameFileName(int frame);
// The frame after f, wrapping from 19 to 0.
int nextLogoFrame(int frame);
