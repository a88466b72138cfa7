// Every button label's caption fits inside its border in the fonts this
// machine draws with, in every caption a screen gives it, and no label's
// text runs past the edge of its window.
#include "activities/fighterslab.h"
#include "activities/fightersord.h"
#include "activities/writinglab.h"
#include "activities/writingord.h"
#include "quiz/multiple.h"
#include "quiz/welldone.h"
#include "quiz/wrong.h"
#include "shell/fighters.h"
#include "shell/intro0.h"
#include "shell/module1.h"
#include "shell/titlefrm.h"
#include "shell/writing.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "worksheets/contentfolder.h"
#include "worksheets/wizard.h"
#include "worksheets/wizarddriver.h"
#include "worksheets/worksheets.h"

#include <QFontMetrics>
#include <QtTest>

namespace {
// Checks every bordered label of a screen as it stands now, except the
// members of a control array that the screen never shows.
void checkButtonsFit(const Screen &screen, const QString &neverShownArray = {})
{
    const QList<Label *> labels = screen.findChildren<Label *>();
    int buttons = 0;
    for (const Label *label : labels) {
        if (!label->hasBorder())
            continue;
        if (!neverShownArray.isEmpty() && label->objectName().startsWith(neverShownArray + '('))
            continue;
        ++buttons;
        const int needed = QFontMetrics(label->font()).horizontalAdvance(label->displayedText());
        const int room = label->textArea().width();
        QVERIFY2(needed <= room, qPrintable(QStringLiteral("%1 %2 \"%3\": %4 px of text in %5 px")
                                                .arg(screen.screenName(), label->objectName(), label->caption())
                                                .arg(needed)
                                                .arg(room)));
    }
    QVERIFY2(buttons > 0, qPrintable(screen.screenName()));
}

// The lines a label draws, laid out in its text area, lie inside the window.
void checkTextInsideWindow(const Screen &screen)
{
    const QRect window = screen.rect();
    for (const Label *label : screen.findChildren<Label *>()) {
        if (label->isHidden() || label->caption().isEmpty())
            continue;
        const QRect area = label->textArea().translated(label->pos());
        const int flags = (label->wordWrap() ? Qt::TextWordWrap : 0) | Qt::AlignLeft | Qt::AlignTop;
        const QRect text = QFontMetrics(label->font()).boundingRect(area, flags, label->displayedText());
        QVERIFY2(text.bottom() <= window.bottom(),
                 qPrintable(QStringLiteral("%1 %2 \"%3\": text ends at %4 px, the window at %5 px")
                                .arg(screen.screenName(), label->objectName(), label->caption())
                                .arg(text.bottom())
                                .arg(window.bottom())));
    }
}
} // namespace

class CaptionFitTest : public QObject {
    Q_OBJECT
private slots:
    void menus()
    {
        TestEnvironment env;
        checkButtonsFit(touch<intro0>());
        checkTextInsideWindow(touch<intro0>());
        checkButtonsFit(touch<fighters>());
        checkButtonsFit(touch<writing>());
    }

    void titleScreenFooterIsNotCutOff()
    {
        TestEnvironment env;
        checkTextInsideWindow(touch<Titlefrm>());
    }

    void quizAndResultsInEveryState()
    {
        TestEnvironment env;
        multiple &quiz = touch<multiple>();
        checkButtonsFit(quiz); // "Next Question >>", with the hidden ones too
        quiz.Label3[1]->setCaption(QStringLiteral("Check Score >>"));
        checkButtonsFit(quiz);
        Module1.score = 10;
        Module1.questionCount = 10;
        checkButtonsFit(touch<Welldone>()); // "Print Certificate"
        touch<Welldone>().unload();
        Module1.score = 8;
        checkButtonsFit(touch<Welldone>()); // "Check Wrong Answers"
        checkButtonsFit(touch<Wrong>());
    }

    void worksheetScreens()
    {
        TestEnvironment env;
        checkButtonsFit(touch<wizard>()); // "Save Worksheet", "Exit"
        // The page commands (hidden ones too), "Exit", and a slot with a full 25-character title.
        writeFileBytes(env, "track.txt", catalogueBytes({"The Battle of Thermopylae"}));
        worksheets &list = touch<worksheets>();
        QCOMPARE(list.Label2[1]->caption(), QStringLiteral("The Battle of Thermopylae"));
        checkButtonsFit(list);
    }

    void activitiesWithTheirLabelsInTheTray()
    {
        TestEnvironment env;
        checkButtonsFit(touch<fighterslab>());
        checkButtonsFit(touch<writinglab>(), QStringLiteral("Label10")); // the hidden alphabet strip
        checkButtonsFit(touch<fightersord>());
        checkButtonsFit(touch<writingord>());
    }
};

VELMORA_TEST(CaptionFitTest)
#include "caption_fit_test.moc"
