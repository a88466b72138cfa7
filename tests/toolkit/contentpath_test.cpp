// Content paths written Windows-style resolve whatever the letter case on disk.
#include "testregistry.h"
#include "toolkit/contentpath.h"
#include "toolkit/picture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

class ContentPathTest : public QObject {
    Q_OBJECT
    QTemporaryDir root;

private slots:
    void initTestCase()
    {
        QDir(root.path()).mkpath("images");
        QDir(root.path()).mkpath("Wav");
        QImage img(4, 3, QImage::Format_RGB32);
        img.fill(Qt::red);
        QVERIFY(img.save(root.path() + "/images/SPARTAN ARMY2.jpg"));
        QFile f(root.path() + "/Wav/click.wav");
        QVERIFY(f.open(QIODevice::WriteOnly));
        setContentRoot(root.path());
    }
    void cleanupTestCase() { setContentRoot({}); }

    void mixedCaseFoldersAndFilesResolve_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("onDisk");
        QTest::newRow("folder case differs") << "Images\\SPARTAN ARMY2.jpg" << "images/SPARTAN ARMY2.jpg";
        QTest::newRow("file case differs") << "images\\spartan army2.JPG" << "images/SPARTAN ARMY2.jpg";
        QTest::newRow("forward slashes") << "wav/click.wav" << "Wav/click.wav";
        QTest::newRow("backslashes") << "WAV\\CLICK.WAV" << "Wav/click.wav";
    }
    void mixedCaseFoldersAndFilesResolve()
    {
        QFETCH(QString, written);
        QFETCH(QString, onDisk);
        QCOMPARE(resolveContentPath(written), root.path() + '/' + onDisk);
    }

    void aMissingFileKeepsTheNameItWasGivenInAnExistingFolder()
    {
        QCOMPARE(resolveContentPath("IMAGES\\new picture.jpg"), root.path() + "/images/new picture.jpg");
    }

    void picturesLoadThroughTheirContentPath()
    {
        const Picture p = Picture::load("Images\\spartan ARMY2.jpg");
        QVERIFY(!p.isNull());
        QCOMPARE(p.sizeTwips(), QSizeF(4 * 15, 3 * 15));
    }

    void missingOrBrokenPicturesAreEmptyNotErrors()
    {
        QString error;
        QVERIFY(Picture::load("images\\nothing.jpg", &error).isNull());
        QVERIFY(!error.isEmpty());
        QVERIFY(Picture::fromBytes(QByteArray::fromHex("ffd8ff") + " garbage").isNull());
        QVERIFY(Picture::fromBytes(QByteArray()).isNull());
    }
};

VELMORA_TEST(ContentPathTest)
#include "contentpath_test.moc"
