// The shipped content as the screens use it. A pupil's tour through every
// screen that shows a picture or a page notes each content path a box was
// given and each sound that played, in the letter case the code wrote. Every
// one must resolve to a file that decodes; a page must fit the viewer's free
// area (screen copy) or a printed page (print copy), carry real text and
// draw more than a blank sheet; a picture must fill the box that shows it.
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
#include <QtEndian>
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
    runEventsFor(30);
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
    runEventsFor(200); // the results screen's reward picture and sound
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

    menu.showScreen();
    clickAndNote(tour, menu.Label2[20]); // "Teachers' Guide"
    for (int page = 2; page <= 5; ++page)
        clickAndNote(tour, touch<guide>().Label3[2]);
    menu.showScreen();
    clickAndNote(tour, menu.Label2[19]); // "Acknowledgments"
    runEventsFor(300);                   // the animated logo's first frames
    noteWhatIsShown(tour);
    return tour;
}

// Record functions of a metafile's records after the placeable and standard
// headers (22 + 18 bytes); stops at the first record that does not fit.
QList<quint16> recordFunctions(const QByteArray &bytes)
{
    QList<quint16> functions;
    qsizetype at = 22 + 18;
    while (at + 6 <= bytes.size()) {
        const auto *p = reinterpret_cast<const uchar *>(bytes.constData() + at);
        const quint32 words = qFromLittleEndian<quint32>(p);
        const quint16 function = qFromLittleEndian<quint16>(p + 4);
        if (words < 3 || words > quint32((bytes.size() - at) / 2))
            break;
        functions << function;
        if (function == 0x0000) // end of file
            break;
        at += qsizetype(words) * 2;
    }
    return functions;
}

QByteArray contentBytes(const QString &relativePath)
{
    QFile file(resolveContentPath(relativePath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
        for (const auto &[path, shown] : tour)
            (path.startsWith(QStringLiteral("wmf")) ? pages : pictures) << path;
        QCOMPARE(pages.size(), 2 * 12);
        QVERIFY2(pictures.size() >= 8, qPrintable(pictures.join(", ")));

        for (const auto &[path, shown] : tour) {
            QVERIFY2(!shown.picture.isNull(), qPrintable(path + " does not resolve to a picture that decodes"));
            const QSizeF own = shown.picture.sizeTwips();
            if (path.startsWith(QStringLiteral("wmf\\"))) {
                QVERIFY2(shown.picture.isMetafile(), qPrintable(path));
                QVERIFY2(shown.box.left() >= 120 && shown.box.right() <= kViewerRight
                             && shown.box.top() >= 0 && shown.box.bottom() <= kViewerBottom,
                         qPrintable(describe(path, shown.box) + " leaves the viewer's free area"));
            } else if (path.startsWith(QStringLiteral("wmf2\\"))) {
                QVERIFY2(shown.picture.isMetafile(), qPrintable(path));
                QVERIFY2(kPrintMargin + own.width() <= kPrintableWidth
                             && kPrintMargin + own.height() <= kPrintableHeight,
                         qPrintable(describe(path, QRectF(QPointF(), own)) + " does not fit a printed page"));
            } else if (shown.stretch) {
                // Shown stretched: the picture is made at the box's size, so nothing is scaled.
                QVERIFY2(qAbs(own.width() - shown.box.width()) <= 15 && qAbs(own.height() - shown.box.height()) <= 15,
                         qPrintable(describe(path, shown.box) + QStringLiteral(" shows a picture of %1 x %2")
                                                                     .arg(own.width())
                                                                     .arg(own.height())));
            } else if (!shown.growsToFit) {
                // A fixed box shows the picture from its corner: it must be covered.
                QVERIFY2(own.width() >= shown.box.width() && own.height() >= shown.box.height(),
                         qPrintable(describe(path, shown.box) + QStringLiteral(" is not covered by %1 x %2")
                                                                     .arg(own.width())
                                                                     .arg(own.height())));
            }
        }

        // Every sound the tour played decodes.
        QVERIFY(env.sound->played.contains(QStringLiteral("wav\\click.wav")));
        QVERIFY(env.sound->played.contains(QStringLiteral("wav\\typekey.wav")));
        for (const QString &sound : env.sound->played)
            QVERIFY2(decodeWav(contentBytes(sound)).has_value(), qPrintable(sound + " does not decode"));
    }

    void pagesCarryRealTextAndDrawMoreThanABlankSheet_data()
    {
        QTest::addColumn<QString>("path");
        for (const char *folder : {"wmf", "wmf2"})
            for (const char *name : {"key fightersa", "key fightersb", "key writinga", "key writingb", "fightersa",
                                     "writinga", "acknowledgments", "guide1", "guide2", "guide3", "guide4", "guide5"}) {
                const QString path = QStringLiteral("%1\\%2.wmf").arg(QLatin1String(folder), QLatin1String(name));
                QTest::newRow(qPrintable(path)) << path;
            }
    }

    void pagesCarryRealTextAndDrawMoreThanABlankSheet()
    {
        QFETCH(QString, path);
        TestEnvironment env;
        const QByteArray bytes = contentBytes(path);
        const QList<quint16> functions = recordFunctions(bytes);
        QVERIFY2(!functions.isEmpty() && functions.last() == 0x0000, qPrintable(path + " does not end cleanly"));
        const auto textRecords = functions.count(0x0A32) + functions.count(0x0521); // EXTTEXTOUT, TEXTOUT
        QVERIFY2(textRecords >= 10, qPrintable(QStringLiteral("%1 has %2 text records").arg(path).arg(textRecords)));

        QString error;
        const Picture page = Picture::fromBytes(bytes, &error);
        QVERIFY2(page.isMetafile(), qPrintable(path + ": " + error));
        const double inked = inkedShare(page);
        QVERIFY2(inked > 0.03, qPrintable(QStringLiteral("%1 draws ink on only %2 of the page").arg(path).arg(inked)));
        if (path.startsWith(QStringLiteral("wmf2")))
            QVERIFY2(inked < 0.5, qPrintable(QStringLiteral("%1 inks %2 of the paper").arg(path).arg(inked)));
        else // what is read aloud, kept beside the screen copy, is what it shows
            QCOMPARE(latinWords(QString::fromUtf8(contentBytes(QString(path).replace(".wmf", ".txt")))), latinWords(textOf(page)));
    }
};

VELMORA_TEST(ContentOnScreens)
#include "contentonscreens.moc"
