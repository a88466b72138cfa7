// The shipped content as the screens use it. A pupil's tour through every
// screen that shows a picture or a page notes each content path a box was
// given and each sound that played, in the letter case the code wrote. Every
// one must resolve to a file that decodes; a page must fit the viewer's free
// area (screen copy) or a printed page (print copy), carry words to read out
// and draw more than a blank sheet; a picture must fill the box that shows
// it, and one that sizes its box must stay clear of the controls below it.
#include "activities/fighterslab.h"
#include "activities/fightersord.h"
#include "activities/writinglab.h"
#include "activities/writingord.h"
#include "common/module1.h"
#include "quiz/multiple.h"
#include "shell/guide.h"
#include "shell/intro0.h"
#include "shell/teacher.h"
#include "shell/titlefrm.h"
#include "shell/topicmenu.h"
#include "support/pupil.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "toolkit/contentpath.h"
#include "toolkit/picturebox.h"
#include "toolkit/picturetext.h"
#include "toolkit/twips.h"
#include "toolkit/wavdecoder.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QtTest>
#include <map>

namespace {

// The viewer's free area: right of 120, left of the "Print" and "Exit"
// buttons (10680) and above the bottom row of buttons (7920).
constexpr double kViewerRight = 10680;
constexpr double kViewerBottom = 7920;
// A print copy is drawn 1000 twips into the printable area of an A4 or
// Letter page with quarter-inch margins: the narrower A4 width and the
// shorter Letter height bound it.
constexpr double kPrintMargin = 1000;
constexpr double kPrintableWidth = 11906 - 2 * 360;
constexpr double kPrintableHeight = 15840 - 2 * 360;

struct Shown {
    QRectF box;        // twips, in the screen
    bool stretch = false;
    bool growsToFit = false;
    QString screen;
    Picture picture;
};

// Content path (as the code wrote it) -> how it was last shown.
using Tour = std::map<QString, Shown>;

void noteWhatIsShown(Tour &tour)
{
    for (QWidget *top : QApplication::topLevelWidgets())
        for (const PictureView *view : top->findChildren<PictureView *>()) {
            if (view->picturePath().isEmpty())
                continue;
            Shown shown;
            shown.box = twips::geometryOf(view);
            shown.screen = top->objectName();
            // An image box either stretches the picture or takes its size; a
            // picture box keeps its size unless it sizes itself to the picture.
            if (const auto *image = qobject_cast<const ImageBox *>(view)) {
                shown.stretch = image->stretches();
                shown.growsToFit = !shown.stretch;
            } else if (const auto *box = qobject_cast<const PictureBox *>(view)) {
                shown.growsToFit = box->autoSizes();
            }
            shown.picture = view->picture();
            tour[view->picturePath()] = shown;
        }
}

void clickAndNote(Tour &tour, QWidget *control)
{
    clickOn(control);
    QTest::qWait(30);
    noteWhatIsShown(tour);
}

void visitTopic(Tour &tour, ControlArray<Label> &menuButtons, const std::function<void()> &reopenMenu)
{
    enum { MultipleChoice = 0, Labelling = 1, Exit = 2, Ordering = 3, KeyFacts = 4, Notes = 5 };
    enum { ViewerExit = 1, NextPage = 2 };
    noteWhatIsShown(tour);
    clickAndNote(tour, menuButtons[KeyFacts]);
    clickAndNote(tour, touch<teacher>().Label3[NextPage]);
    clickOn(touch<teacher>().Label3[ViewerExit]);
    clickAndNote(tour, menuButtons[Notes]);
    clickOn(touch<teacher>().Label3[ViewerExit]);

    clickAndNote(tour, menuButtons[MultipleChoice]);
    multiple &quiz = touch<multiple>();
    QList<int> right;
    for (int k = 1; k <= 10; ++k)
        right << Module1.correctAnswer[k].trimmed().toInt();
    answerAll(quiz, right);
    QTest::qWait(200); // the results screen's reward picture and sound
    noteWhatIsShown(tour);

    reopenMenu();
    clickAndNote(tour, menuButtons[Labelling]);
    reopenMenu();
    clickAndNote(tour, menuButtons[Ordering]);
    reopenMenu();
}

Tour takeTheTour()
{
    Module1.soundOn = 1;
    Tour tour;
    touch<Titlefrm>().showScreen();
    noteWhatIsShown(tour);
    touch<Titlefrm>().unload();

    intro0 &menu = touch<intro0>();
    menu.showScreen();
    noteWhatIsShown(tour);
    clickOn(menu.Label2[1]); // "Greek Fighters"
    visitTopic(tour, touch<fighters>().label3, [] { touch<fighters>().showScreen(); });
    menu.showScreen();
    clickOn(menu.Label2[5]); // "Greek Writing"
    visitTopic(tour, touch<writing>().label3, [] { touch<writing>().showScreen(); });
    for (int entry : {15, 0, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13}) { // the units described as data
        menu.showScreen();
        clickOn(menu.Label2[entry]);
        TopicMenu *unit = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->isVisible() && top->objectName() == topScreenName())
                unit = qobject_cast<TopicMenu *>(top);
        if (!unit)
            continue; // counted short below
        visitTopic(tour, unit->label3, [unit] { unit->showScreen(); });
    }

    menu.showScreen();
    clickAndNote(tour, menu.Label2[20]); // "Teachers' Guide"
    for (int page = 2; page <= 5; ++page)
        clickAndNote(tour, touch<guide>().Label3[2]);
    menu.showScreen();
    clickAndNote(tour, menu.Label2[19]); // "Acknowledgments"
    QTest::qWait(300);                   // the animated logo's first frames
    noteWhatIsShown(tour);
    return tour;
}

// Share of pixels that are not the paper's white once the page is drawn.
double inkedShare(const Picture &page)
{
    const QSize pixels = (page.sizeTwips() / 15).toSize();
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    page.draw(painter, QRectF(QPointF(0, 0), pixels));
    painter.end();
    qint64 inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            inked += image.pixel(x, y) != qRgb(255, 255, 255);
    return double(inked) / (qint64(image.width()) * image.height());
}

// The Latin words of a text, sorted: the words a page shows in Greek letters are not read aloud.
QStringList latinWords(const QString &text)
{
    QStringList words = text.split(QRegularExpression(QStringLiteral("[^A-Za-z0-9']+")), Qt::SkipEmptyParts);
    words.sort();
    return words;
}

QString describe(const QString &path, const QRectF &r)
{
    return QStringLiteral("%1 at %2, %3, %4 x %5 twips").arg(path).arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height());
}

// A page: its screen copy within the viewer's free area, its print copy
// within a printed page inking less than half of it; words to read out, and
// more ink than a blank sheet; on screen, the words read aloud from the
// text beside it are the words it shows.
void checkPage(const QString &path, const Shown &shown)
{
    const QSizeF own = shown.picture.sizeTwips();
    QVERIFY2(shown.picture.isMetafile(), qPrintable(path));
    const bool print = path.startsWith(QStringLiteral("wmf2"));
    if (print)
        QVERIFY2(kPrintMargin + own.width() <= kPrintableWidth && kPrintMargin + own.height() <= kPrintableHeight,
                 qPrintable(describe(path, QRectF(QPointF(), own)) + " does not fit a printed page"));
    else
        QVERIFY2(shown.box.left() >= 120 && shown.box.right() <= kViewerRight && shown.box.top() >= 0 && shown.box.bottom() <= kViewerBottom,
                 qPrintable(describe(path, shown.box) + " leaves the viewer's free area"));
    const qsizetype words = textOf(shown.picture).split(QLatin1Char(' '), Qt::SkipEmptyParts).size();
    QVERIFY2(words >= 40, qPrintable(QStringLiteral("%1 reads out %2 words").arg(path).arg(words)));
    const double inked = inkedShare(shown.picture);
    QVERIFY2(inked > 0.03 && (!print || inked < 0.5), qPrintable(QStringLiteral("%1 inks %2 of the page").arg(path).arg(inked)));
    if (!print) {
        QFile spoken(resolveContentPath(QString(path).replace(QStringLiteral(".wmf"), QStringLiteral(".txt"))));
        QVERIFY2(spoken.open(QIODevice::ReadOnly), qPrintable(path + " has no text to read aloud"));
        QCOMPARE(latinWords(QString::fromUtf8(spoken.readAll())), latinWords(textOf(shown.picture)));
    }
}

// A picture fills the box that shows it: made at the box's size when
// stretched (so nothing is scaled), else covering it; a topic quiz's picture
// (the quiz's box grows to it) stays clear of "Print Worksheet" (top 1920)
// and the window's edge.
void checkPicture(const QString &path, const Shown &shown)
{
    const QSizeF own = shown.picture.sizeTwips();
    const QString size = QStringLiteral(" shows a picture of %1 x %2").arg(own.width()).arg(own.height());
    if (shown.stretch)
        QVERIFY2(qAbs(own.width() - shown.box.width()) <= 15 && qAbs(own.height() - shown.box.height()) <= 15,
                 qPrintable(describe(path, shown.box) + size));
    else if (!shown.growsToFit)
        QVERIFY2(own.width() >= shown.box.width() && own.height() >= shown.box.height(), qPrintable(describe(path, shown.box) + size));
    if (shown.screen == QLatin1String("multiple"))
        QVERIFY2(shown.box.bottom() <= 1920 && shown.box.right() <= 12000 - 120, qPrintable(describe(path, shown.box) + size));
}

} // namespace

class ContentOnScreens : public QObject {
    Q_OBJECT
private slots:
    void everyPathAScreenNamesDecodesAndFits()
    {
        TestEnvironment env;
        const Tour tour = takeTheTour();
        // School picture, two topic pictures, two quiz pictures, the soldier,
        // 4 key facts pages, 2 notes, 5 guide pages, acknowledgments, logo and
        // a logo frame, each as shown; every page also has its print copy.
        QStringList pages, pictures;
        for (const auto &[path, shown] : tour) {
            QVERIFY2(!shown.picture.isNull(), qPrintable(path + " does not resolve to a picture that decodes"));
            (path.startsWith(QStringLiteral("wmf")) ? pages : pictures) << path;
            if (path.startsWith(QStringLiteral("wmf")))
                checkPage(path, shown);
            else
                checkPicture(path, shown);
        }
        QCOMPARE(pages.size(), 2 * (12 + 3 * 13)); // and each further unit's two key facts pages and its first notes page
        QVERIFY2(pictures.size() >= 8, qPrintable(pictures.join(", ")));
        // Every sound the tour played decodes.
        QVERIFY(env.sound->played.contains(QStringLiteral("wav\\click.wav")));
        QVERIFY(env.sound->played.contains(QStringLiteral("wav\\typekey.wav")));
        for (const QString &sound : env.sound->played) {
            QFile file(resolveContentPath(sound));
            QVERIFY2(file.open(QIODevice::ReadOnly) && decodeWav(file.readAll()), qPrintable(sound + " does not decode"));
        }
    }
};

VELMORA_TEST(ContentOnScreens)
#include "contentonscreens.moc"
