#include "shell/fighters.h"

#include "activities/fighterslab.h"
#include "activities/fightersord.h"

namespace {
TopicUnit greekFighters()
{
    TopicUnit u;
    u.screenName = QStringLiteral("fighters");
    u.title = QStringLiteral("Greek Fighters");
    u.picture = QStringLiteral("Images\\SPARTAN ARMY.jpg");
    u.pictureGeometry = QRectF(0, -120, 12000, 9150); // fills the screen, behind the buttons
    u.pictureClearsHighlights = true;
    u.questionFile = QStringLiteral("multiple\\Greek Fighters.txt");
    u.quizPicture = QStringLiteral("images\\SPARTAN ARMY2.jpg");
    u.keyFactsBase = QStringLiteral("key fighters");
    u.keyFactsPages = 2;
    u.notesBase = QStringLiteral("fighters");
    u.notesPages = 1;
    return u;
}
} // namespace

fighters::fighters() : TopicMenu(greekFighters()) {}

void fighters::showLabellingActivity()
{
    fighterslab &activity = touch<fighterslab>();
    activity.Label6->setCaption(Label1->caption());
    activity.showScreen();
}

void fighters::showOrderingActivity()
{
    fightersord &activity = touch<fightersord>();
    activity.Label6->setCaption(Label1->caption());
    activity.showScreen();
}
