#include "worksheets/cataloguepage.h"

#include "toolkit/numbertext.h"

#include <algorithm>

CataloguePageView cataloguePageView(int page, int worksheetCount)
{
    CataloguePageView view;
    view.firstTitle = titlesPerPage * page + 1;
    view.lastTitle = std::min(worksheetCount, titlesPerPage * page + titlesPerPage);
    view.previousShown = page > 0;
    view.nextShown = worksheetCount >= titlesPerPage * page + titlesPerPage + 1;
    view.pageLabel = QStringLiteral("Page") + numberWithSignPlace(page + 1);
    return view;
}
