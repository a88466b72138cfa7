#include "common/commonsetup.h"
#include "common/colours.h"
#include "common/picturedescriptions.h"
#include "toolkit/display.h"
#include "toolkit/picturebox.h"
#include "toolkit/screen.h"
#include "toolkit/screenfit.h"

namespace {
constexpr double kScreenWidth = 12000;
constexpr double kScreenHeight = 9000;
} // namespace

void commonSetup(Screen &screen)
{
    screen.setBackColor(colours::screenBack);
    screen.setCaption(QStringLiteral("Velmora"));
    describeContentPictures();
    // A screen without a picture box of that name keeps its own colours.
    if (auto *picture = qobject_cast<PictureBox *>(screen.control(QStringLiteral("Picture1"))))
        picture->setBackColor(colours::pictureBack);
    screen.setClientSizeTwips(kScreenWidth, kScreenHeight);
    showBusyPointer();
    // On a display smaller than the screen these go negative and the screen
    // overhangs both edges equally.
    const QSizeF display = displaySizeTwips();
    const float top = float(display.height() / 2 - kScreenHeight / 2);
    const float left = float(display.width() / 2 - kScreenWidth / 2);
    screen.setPositionTwips(left, top);
    showDefaultPointer();
}

void fitContentScreens(bool fill) { screenfit::fitScreens(QSizeF(kScreenWidth, kScreenHeight), fill); }

void refitContentScreens(const QWidget *framedWindow) { screenfit::refitWithFrameOf(framedWindow); }
