#include "shell/guide.h"

#include "common/commonsetup.h"
#include "common/designs.h"
#include "shell/pagenames.h"
#include "toolkit/builders.h"
#include "toolkit/hover.h"

namespace {
constexpr int kGuidePages = 5;
}

guide::guide() : PageViewer(QStringLiteral("guide"), 120, -240)
{
    Label2 = makeLabel(this, QStringLiteral("Label2"), textLabel({}, 0, 120, 11775, 615, fonts::tahoma(14.25, false)));
    Label1->setCaption(pageLabelCaption(1, kGuidePages));
    Label2->stackUnder(Label1); // under the page label and the buttons, as the guide lays them out
    connect(Label2, &MouseControl::mouseMoved, this, [this] { clearButtonHighlights(Label3); });
}

void guide::load() { commonSetup(*this); }

int guide::pages() const { return kGuidePages; }

QString guide::pageFile(const QString &folder, int page) const
{
    return page >= 1 && page <= kGuidePages ? guidePageFileName(folder, page) : QString();
}
