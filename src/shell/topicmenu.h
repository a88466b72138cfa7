#pragma once
// A topic unit's menu: its title and picture, and six buttons that open the
// unit's quiz, key facts, teacher's notes, labelling and ordering activities,
// or go back to the main menu. The two units differ only in their data.
#include "toolkit/controlarray.h"
#include "toolkit/label.h"
#include "toolkit/picturebox.h"
#include "toolkit/screen.h"

#include <QRectF>

struct TopicUnit {
    QString screenName;
    QString title;
    QString picture;           // the menu's picture, loaded at load time
    QRectF pictureGeometry;    // twips
    bool pictureClearsHighlights; // a move over the picture counts as the background
    QString questionFile;
    QString quizPicture;
    QString keyFactsBase;      // page viewer artwork base name and page count
    int keyFactsPages;
    QString notesBase;
    int notesPages;
};

class TopicMenu : public Screen {
    Q_OBJECT
public:
    explicit TopicMenu(const TopicUnit &unit);

    Label *Label1;
    ImageBox *Image1;
    ControlArray<Label> label3;

    const TopicUnit &unit() const { return unit_; }

protected:
    void load() override;
    // The unit's own activity screens, opened with this menu's title as their heading.
    virtual void showLabellingActivity() = 0;
    virtual void showOrderingActivity() = 0;

private:
    void label3_Click(int index);
    void startQuiz();
    void openPages(const QString &baseName, int pageCount);

    TopicUnit unit_;
};
