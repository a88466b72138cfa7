#include "shell/writing.h"

#include "activities/writinglab.h"
#include "activities/writingord.h"

namespace {
TopicUnit greekWriting()
{
    TopicUnit u;
    u.screenName = QStringLiteral("writing");
    u.title = QStringLiteral("Greek Writing");
    u.picture = QStringLiteral("Images\\horse5.jpg");
    u.pictureGeometry = QRectF(2520, -480, 5940, 8850);
    u.pictureClearsHighlights = false;
    u.questionFile = QStringLiteral("multiple\\Greek Writing.txt");
    u.quizPicture = QStringLiteral("images\\horsesm.jpg");
    u.keyFactsBase = QStringLiteral("key writing");
    u.keyFactsPages = 2;
    u.notesBase = QStringLiteral("writing");
    u.notesPages = 1;
    return u;
}
} // namespace

writing::writing() : TopicMenu(greekWriting()) {}

void writing::showLabellingActivity()
{
    writinglab &activity = touch<writinglab>();
    activity.Label6->setCaption(Label1->caption());
    activity.showScreen();
}

void writing::showOrderingActivity()
{
    writingord &activity = touch<writingord>();
    activity.Label6->setCaption(Label1->caption());
    activity.showScreen();
}
