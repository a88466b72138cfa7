#pragma once
// A topic unit's menu: its title and picture, and six buttons that open the
// unit's quiz, key facts, teacher's notes, labelling and ordering activities,
// or go back to the main menu. The units differ only in their data: fighters
// and writing have theirs here, every further unit its description in the
// content (UnitDescription).
#include "toolkit/controlarray.h"
#include "toolkit/label.h"
#include "toolkit/picturebox.h"
#include "toolkit/screen.h"

#include <QRectF>
#include <functional>

class DragActivity;
struct UnitDescription;

struct TopicUnit {
    QString screenName;
    QString title;
    QString picture;              // the menu's picture, loaded at load time
    QRectF pictureGeometry;       // twips
    bool pictureClearsHighlights; // a move over the picture counts as the background
    QString questionFile;
    QString quizPicture;
    QString quizHeading;          // the quiz's subject heading, which its certificate repeats
    QString keyFactsBase;         // page viewer artwork base name and page count
    int keyFactsPages;
    QString notesBase;
    int notesPages;
    // The unit's activity screens, touched (loaded) on demand.
    std::function<DragActivity &()> labellingActivity;
    std::function<DragActivity &()> orderingActivity;
};

class TopicMenu : public Screen {
    Q_OBJECT
public:
    Label *Label1;
    ImageBox *Image1;
    ControlArray<Label> label3;

protected:
    explicit TopicMenu(const TopicUnit &unit);
    void load() override;

private:
    void label3_Click(int index);
    void startQuiz();
    void openActivity(DragActivity &activity);
    void openPages(const QString &baseName, int pageCount);

    TopicUnit unit_;
};

// "Greek Fighters".
class fighters : public TopicMenu {
    Q_OBJECT
public:
    fighters();
};

// "Greek Writing".
class writing : public TopicMenu {
    Q_OBJECT
public:
    writing();
};

// A unit described in the content; its screen is named by its slug.
class UnitMenu : public TopicMenu {
    Q_OBJECT
public:
    explicit UnitMenu(const UnitDescription &unit);
};
