#pragma once
// Short descriptions of the content's pictures, read out by screen readers
// in place of the picture.
#include <QString>

// The description of the picture at a content path, whatever its folder
// separator or letter case; "" for a picture not listed.
QString describePicture(const QString &relativePath);
// Makes the toolkit's picture boxes describe their pictures from this list.
void describeContentPictures();
