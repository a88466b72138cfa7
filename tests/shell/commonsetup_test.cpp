// Every content screen gets the same colours, caption, size and a centred place.
#include "common/colours.h"
#include "common/commonsetup.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "toolkit/builders.h"
#include "toolkit/display.h"
#include "toolkit/picturebox.h"
#include "toolkit/screen.h"

#include <QtTest>

namespace {
class WithPicture : public Screen {
public:
    WithPicture() : Screen(QStringLiteral("WithPicture"))
    {
        Picture1 = named(new PictureBox(this, 0, 0, 600, 600), QStringLiteral("Picture1"));
        Picture1->setBackColor(Qt::red);
    }
    PictureBox *Picture1;

protected:
    void load() override { commonSetup(*this); }
};

class WithoutPicture : public Screen {
public:
    WithoutPicture() : Screen(QStringLiteral("WithoutPicture")) {}

protected:
    void load() override { commonSetup(*this); }
};
} // namespace

class CommonSetupTest : public QObject {
    Q_OBJECT
private slots:
    void aLargeDisplayCentresTheScreen()
    {
        TestEnvironment env;
        setDisplaySizeOverride(QSizeF(1280 * 15, 1024 * 15));
        WithPicture &s = touch<WithPicture>();
        QCOMPARE(s.backColor(), colours::screenBack);
        QCOMPARE(s.windowTitle(), QStringLiteral("Velmora"));
        QCOMPARE(s.Picture1->backColor(), colours::pictureBack);
        QCOMPARE(s.clientSizeTwips(), QSizeF(12000, 9000));
        QCOMPARE(s.size(), QSize(800, 600));
        QCOMPARE(s.pos(), QPoint(240, 212));
    }

    void aSmallDisplayLetsTheScreenOverhangBothEdgesEqually()
    {
        TestEnvironment env;
        setDisplaySizeOverride(QSizeF(640 * 15, 480 * 15));
        WithoutPicture &s = touch<WithoutPicture>();
        QCOMPARE(s.pos(), QPoint(-80, -60));
        QCOMPARE(s.size(), QSize(800, 600));
        QCOMPARE(s.backColor(), colours::screenBack); // no Picture1 and still fully set up
        QVERIFY(!QApplication::overrideCursor());     // the busy pointer is gone afterwards
    }
};

VELMORA_TEST(CommonSetupTest)
#include "commonsetup_test.moc"
