#pragma once
// Which titles a catalogue page shows and which page commands it offers.
// Page p (counted from 0) holds titles 24p + 1 to 24p + 24. Pages run as far
// as the titles go, so every title of a full catalogue of 1000 is reachable
// (page 41 holds titles 985 to 1000).
#include <QString>

inline constexpr int titlesPerPage = 24;

struct CataloguePageView {
    int firstTitle = 1;    // catalogue slot shown in the page's first title slot
    int lastTitle = 0;     // last catalogue slot shown; below firstTitle for an empty page
    bool previousShown = false;
    bool nextShown = false;
    QString pageLabel;     // "Page 1" for page 0
};

CataloguePageView cataloguePageView(int page, int worksheetCount);
