// Every button label's caption fits inside its border in the fonts this
// machine draws with, in every caption a screen gives it; no label's drawn
// text leaves its window or touches another control's border or text (a
// footer running into a menu entry); and bold Tahoma looks bold.
#include "activities/fighterslab.h"
#include "activities/fightersord.h"
#include "activities/unitactivities.h"
#include "activities/writinglab.h"
#include "activities/writingord.h"
#include "common/designs.h"
#include "quiz/multiple.h"
#include "quiz/welldone.h"
#include "quiz/wrong.h"
#include "shell/intro0.h"
#include "shell/titlefrm.h"
#include "shell/topicmenu.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "worksheets/wizard.h"
#include "worksheets/worksheets.h"

#include "toolkit/contentpath.h"
#include "toolkit/frame.h"
#include "toolkit/line.h"
#include "toolkit/picturebox.h"
#include "toolkit/twips.h"

#include <QDir>
#include <QFontMetrics>
#include <QImage>
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

// Where a control leaves ink, drawn alone with the real fonts on a clear
// sheet, in screen coordinates: a borderless label's text exactly.
QRect inkOf(QWidget *control)
{
    QImage sheet(control->size(), QImage::Format_ARGB32);
    sheet.fill(Qt::transparent);
    control->render(&sheet, {}, {}, QWidget::RenderFlags());
    int left = sheet.width(), top = sheet.height(), right = -1, bottom = -1;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            if (qAlpha(sheet.pixel(x, y)) > 0)
                left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom)).translated(control->pos());
}

// The text of every shown borderless label against every other shown
// control: it lies inside the window and does not touch another label's
// text, nor the box of a button, bordered label, option, check box or text
// box. Pictures, leader lines and frames lie under text by design.
void checkNoTextCollides(Screen &screen)
{
    struct Drawn { QString name; QRect rect; bool text; };
    QList<Drawn> drawn;
    for (QWidget *control : screen.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!control->isVisibleTo(&screen) || qobject_cast<PictureView *>(control) ||
            qobject_cast<LineControl *>(control) || qobject_cast<Frame *>(control))
            continue;
        const auto *label = qobject_cast<Label *>(control);
        if (label && !label->hasBorder() && !label->caption().isEmpty()) {
            drawn.append({control->objectName(), inkOf(control), true});
            QVERIFY2(screen.rect().contains(drawn.last().rect), qPrintable(screen.screenName() + ": " + control->objectName() + " leaves the window"));
            // Scaled, a letter's smoothed edge may stray a pixel from where it was at 1:1.
            if (twips::scale() != 1)
                drawn.last().rect.adjust(1, 1, -1, -1);
        } else {
            drawn.append({control->objectName(), control->geometry(), false});
        }
    }
    for (int a = 0; a < drawn.size(); ++a)
        for (int b = 0; b < drawn.size(); ++b)
            QVERIFY2(a == b || !drawn[a].text || !drawn[a].rect.intersects(drawn[b].rect),
                     qPrintable(QStringLiteral("%1: the text of %2 runs into %3").arg(screen.screenName(), drawn[a].name, drawn[b].name)));
}

// Screen S of every unit described in the content.
template <class S>
QList<Screen *> ofEveryUnit()
{
    QList<Screen *> loaded;
    for (const QString &slug : QDir(resolveContentPath(QStringLiteral("units"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        loaded << &touchKeyed<S>(slug, std::get<UnitDescription>(readUnitDescription(slug)));
    return loaded;
}

// The darkness of a caption drawn black on white.
double inkOfCaption(const FontDesign &font)
{
    Label label(nullptr, textLabel(QStringLiteral("Multiple Choice Wizard"), 0, 0, 6000, 900, font, Qt::black));
    QImage sheet(label.size(), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    label.render(&sheet, {}, {}, QWidget::RenderFlags());
    double ink = 0;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            ink += (255 - qGray(sheet.pixel(x, y))) / 255.0;
    return ink;
}
} // namespace

class CaptionFitTest : public QObject {
    Q_OBJECT
private slots:
    // Every story at every scale screens are shrunk or enlarged to.
    void initTestCase_data()
    {
        QTest::addColumn<double>("factor");
        for (double factor : {0.75, 1.0, 1.5, 2.0})
            QTest::addRow("%g", factor) << factor;
    }
    void init()
    {
        QFETCH_GLOBAL(double, factor);
        twips::setScale(factor);
    }

    // A bold caption draws clearly heavier strokes than a regular one at
    // every size the screens use (a bold face that only spaces out regular
    // strokes does not).
    void boldTahomaLooksBold_data()
    {
        QTest::addColumn<double>("points");
        for (double points : {8.25, 12.0, 15.75, 18.0, 32.25, 36.0})
            QTest::addRow("%g pt", points) << points;
    }
    void boldTahomaLooksBold()
    {
        QFETCH(double, points);
        TestEnvironment env;
        const double ratio = inkOfCaption(fonts::tahoma(points, true)) / inkOfCaption(fonts::tahoma(points, false));
        qInfo("bold/regular ink at %g pt: %.2f", points, ratio);
        QVERIFY2(ratio >= 1.3, qPrintable(QString::number(ratio)));
    }

    void menus()
    {
        TestEnvironment env;
        for (Screen *menu : QList<Screen *>{&touch<intro0>(), &touch<fighters>(), &touch<writing>()} + ofEveryUnit<UnitMenu>()) {
            checkButtonsFit(*menu);
            checkNoTextCollides(*menu);
        }
    }

    void titleScreenFooterIsClearOfButtonsAndEdges()
    {
        TestEnvironment env;
        Titlefrm &title = touch<Titlefrm>();
        checkNoTextCollides(title);
        // The copyright line is not squeezed: three pixels or more of room all round.
        const QRect footer = inkOf(title.Label2).adjusted(-3, -3, 3, 3);
        QVERIFY(title.rect().contains(footer));
        for (const QRect &other : {title.Command1->geometry(), title.Command2->geometry(), inkOf(title.Label4)})
            QVERIFY(!footer.intersects(other));
    }

    void quizAndResultsInEveryState()
    {
        TestEnvironment env;
        multiple &quiz = touch<multiple>();
        checkButtonsFit(quiz); // "Next Question >>", with the hidden ones too
        checkNoTextCollides(quiz);
        quiz.Label3[1]->setCaption(QStringLiteral("Check Score >>"));
        checkButtonsFit(quiz);
        touch<Welldone>().showResult({10, 10, true, {}, {}});
        checkButtonsFit(touch<Welldone>()); // "Print Certificate"
        checkNoTextCollides(touch<Welldone>());
        touch<Welldone>().unload();
        touch<Welldone>().showResult({8, 10, true, {}, {}});
        checkButtonsFit(touch<Welldone>()); // "Check Wrong Answers"
        checkNoTextCollides(touch<Welldone>());
        checkButtonsFit(touch<Wrong>());
        checkNoTextCollides(touch<Wrong>());
    }

    void worksheetScreens()
    {
        TestEnvironment env;
        checkButtonsFit(touch<wizard>()); // "Save Worksheet", "Exit"
        checkNoTextCollides(touch<wizard>());
        // The page commands (hidden ones too), "Exit", and a slot with a full 25-character title.
        writeFileBytes(env, "track.txt", catalogueBytes({"The Battle of Thermopylae"}));
        worksheets &list = touch<worksheets>();
        QCOMPARE(list.Label2[1]->caption(), QStringLiteral("The Battle of Thermopylae"));
        checkButtonsFit(list);
        checkNoTextCollides(list);
    }

    void activitiesWithTheirLabelsInTheTray()
    {
        TestEnvironment env;
        checkButtonsFit(touch<writinglab>(), QStringLiteral("Label10")); // the hidden alphabet strip
        for (Screen *activity : QList<Screen *>{&touch<fighterslab>(), &touch<writinglab>(), &touch<fightersord>(),
                                                 &touch<writingord>()} + ofEveryUnit<UnitLabelling>() + ofEveryUnit<UnitOrdering>()) {
            if (activity != &touch<writinglab>())
                checkButtonsFit(*activity);
            checkNoTextCollides(*activity);
        }
    }
};

VELMORA_TEST(CaptionFitTest)
#include "caption_fit_test.moc"
