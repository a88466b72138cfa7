#pragma once
// The words printed on a page of metafile artwork, line by line from the top,
// so the page can be read aloud; "" for a raster picture or a page without text.
#include <QString>

class Picture;

QString textOf(const Picture &picture);
