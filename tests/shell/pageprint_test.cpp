// "Print" on the page viewers: the page's print copy from the wmf2 folder,
// drawn 1000 twips in from the left and top at its own size, and the one
// message a failure gives.
#include "shell/topicmenu.h"
#include "shell/guide.h"
#include "shell/intro0.h"
#include "common/module1.h"
#include "shell/teacher.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "toolkit/picture.h"
#include "toolkit/printer.h"

#include <QImage>
#include <QtTest>

namespace {
enum { Print = 0, Exit = 1, Next = 2, Previous = 3 };
const QString kProblem = QStringLiteral("There was a problem printing to your printer.");

teacher &openKeyFacts()
{
    touch<intro0>().showScreen();
    clickOn(touch<intro0>().Label2[1]);
    clickOn(touch<fighters>().label3[4]);
    return touch<teacher>();
}

// A print copy that only the wmf2 folder holds: a plain picture of the given
// pixel size under the page's file name (pictures are recognised by content).
void writePrintCopy(const TestEnvironment &env, const QString &fileName, int width, int height)
{
    QImage page(width, height, QImage::Format_RGB32);
    page.fill(Qt::white);
    QVERIFY(page.save(env.contentDir() + "/wmf2/" + fileName, "PNG"));
}

QStringList pageJob(const QString &size)
{
    return {"Open", "Print \"\" at 0,0", "PaintPicture 1000,1000 size " + size, "EndDoc"};
}
} // namespace

class PagePrintTest : public QObject {
    Q_OBJECT
private slots:
    void keyFactsPrintThePrintCopyOfThePageShown()
    {
        TestEnvironment env;
        env.emptyFolder("wmf2");
        writePrintCopy(env, "key fightersa.wmf", 40, 30);
        writePrintCopy(env, "key fightersb.wmf", 20, 10);
        Module1.soundOn = 1;
        teacher &viewer = openKeyFacts();
        env.sound->played.clear();
        clickOn(viewer.Label3[Print]);
        QCOMPARE(env.printer->operations, pageJob("600x450"));
        clickOn(viewer.Label3[Next]);
        env.printer->operations.clear();
        clickOn(viewer.Label3[Print]);
        QCOMPARE(env.printer->operations, pageJob("300x150"));
        QVERIFY(env.messages.isEmpty());
        QVERIFY(env.sound->played.isEmpty());
        QCOMPARE(topScreenName(), QStringLiteral("teacher"));
    }

    void theRealPrintCopyIsPrintedAtItsOwnSize()
    {
        TestEnvironment env;
        teacher &viewer = openKeyFacts();
        clickOn(viewer.Label3[Print]);
        const QSizeF size = Picture::load("wmf2\\key fightersa.wmf").sizeTwips();
        QVERIFY(!size.isEmpty());
        QCOMPARE(env.printer->operations,
                 pageJob(QStringLiteral("%1x%2").arg(twipsText(size.width()), twipsText(size.height()))));
    }

    void theGuideAndTheAcknowledgmentsPrintTheirCopies()
    {
        TestEnvironment env;
        env.emptyFolder("wmf2");
        writePrintCopy(env, "guide1.wmf", 50, 70);
        writePrintCopy(env, "guide3.wmf", 30, 20);
        writePrintCopy(env, "acknowledgments.wmf", 64, 48);
        touch<intro0>().showScreen();
        clickOn(touch<intro0>().Label2[20]);
        guide &viewer = touch<guide>();
        clickOn(viewer.Label3[Print]);
        clickOn(viewer.Label3[Next]);
        clickOn(viewer.Label3[Next]);
        clickOn(viewer.Label3[Print]);
        QCOMPARE(viewer.Label1->caption(), QStringLiteral("Page 3 of 5"));
        clickOn(viewer.Label3[Exit]);
        clickOn(touch<intro0>().Label2[19]);
        clickOn(touch<teacher>().Label3[Print]);
        QCOMPARE(env.printer->operations, pageJob("750x1050") + pageJob("450x300") + pageJob("960x720"));
        QVERIFY(env.messages.isEmpty());
    }

    void failuresShowOneMessageAndPrintNothing_data()
    {
        QTest::addColumn<bool>("noPrinter");
        QTest::addColumn<QString>("failOn");
        QTest::addColumn<bool>("pageMissing");
        QTest::addColumn<QStringList>("operations");
        QTest::addRow("no printer installed") << true << QString() << false << QStringList{"Open"};
        QTest::addRow("the first line") << false << "Print" << false
                                        << QStringList{"Open", "Print \"\" at 0,0", "Abort"};
        QTest::addRow("drawing the page") << false << "PaintPicture" << false
                                          << QStringList{"Open", "Print \"\" at 0,0",
                                                         "PaintPicture 1000,1000 size 600x450", "Abort"};
        QTest::addRow("the end of the document")
            << false << "EndDoc" << false
            << QStringList{"Open", "Print \"\" at 0,0", "PaintPicture 1000,1000 size 600x450", "EndDoc", "Abort"};
        QTest::addRow("no print copy of the page")
            << false << QString() << true
            << QStringList{"Open", "Print \"\" at 0,0", "PaintPicture 1000,1000 size 0x0", "Abort"};
    }

    void failuresShowOneMessageAndPrintNothing()
    {
        QFETCH(bool, noPrinter);
        QFETCH(QString, failOn);
        QFETCH(bool, pageMissing);
        QFETCH(QStringList, operations);
        TestEnvironment env;
        env.emptyFolder("wmf2");
        if (!pageMissing)
            writePrintCopy(env, "key fightersa.wmf", 40, 30);
        env.printer->noPrinter = noPrinter;
        env.printer->failOn = failOn;
        teacher &viewer = openKeyFacts();
        clickOn(viewer.Label3[Print]);
        QCOMPARE(env.printer->operations, operations);
        QCOMPARE(env.messages, QStringList{kProblem});
        QCOMPARE(topScreenName(), QStringLiteral("teacher"));
        QCOMPARE(viewer.Label1->caption(), QStringLiteral("Page 1 of 2"));
    }
};

VELMORA_TEST(PagePrintTest)
#include "pageprint_test.moc"
