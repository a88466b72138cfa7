// The shipped pictures, logo frames, sounds and catalogue, read as the
// program reads them: every picture decodes at the pixel size of the box
// that shows it, the logo bitmap is uncompressed 24-bit, every sound decodes
// as 22 050 Hz mono 16-bit PCM that is neither clipped nor silent and ends
// in silence, and MANIFEST.sha256 names exactly the files that are there.
#include "testregistry.h"
#include "toolkit/wavdecoder.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <QtTest>
#include <cmath>

namespace {

QString contentFile(const QString &relative)
{
    return QStringLiteral(VELMORA_SOURCE_DIR "/content/") + relative;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class MediaFiles : public QObject {
    Q_OBJECT
private slots:
    void picturesHaveTheSizeOfTheirBoxes_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("pixels");
        // Box sizes in twips / 15. The title screen box is 4800 x 3600 and the
        // main menu's 4830 x 3660: the school picture covers both.
        QTest::newRow("school") << "images/schoolsm.jpg" << QSize(322, 244);
        QTest::newRow("fighters menu") << "images/SPARTAN ARMY.jpg" << QSize(800, 610);
        QTest::newRow("writing menu") << "images/horse5.jpg" << QSize(396, 590);
        QTest::newRow("soldier") << "images/SOLDIER.jpg" << QSize(302, 550);
        QTest::newRow("logo") << "logo/quorvane2.bmp" << QSize(120, 89);
    }

    void picturesHaveTheSizeOfTheirBoxes()
    {
        QFETCH(QString, file);
        QFETCH(QSize, pixels);
        const QImage image(contentFile(file));
        QVERIFY2(!image.isNull(), qPrintable(file));
        QCOMPARE(image.size(), pixels);
    }

    // The quiz's picture box (855 x 615 twips at 6840, 240) grows to its
    // picture. The picture must cover the box, under which the invisible
    // fifth answer lies, and stay clear of the "Print Worksheet" button
    // (top 1920) and the window's right edge (12000).
    void quizPicturesCoverTheirBoxAndFitBesideTheHeading_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("fighters") << "images/SPARTAN ARMY2.jpg";
        QTest::newRow("writing") << "images/horsesm.jpg";
    }

    void quizPicturesCoverTheirBoxAndFitBesideTheHeading()
    {
        QFETCH(QString, file);
        const QImage image(contentFile(file));
        QVERIFY2(!image.isNull(), qPrintable(file));
        QVERIFY(image.width() * 15 >= 855 && image.height() * 15 >= 615);
        QVERIFY(240 + image.height() * 15 <= 1920);
        QVERIFY(6840 + image.width() * 15 <= 12000 - 120);
    }

    void logoBitmapIsUncompressed24Bit()
    {
        const QByteArray bmp = readAll(contentFile("logo/quorvane2.bmp"));
        QVERIFY(bmp.size() > 54);
        QCOMPARE(bmp.left(2), QByteArray("BM"));
        const auto *header = reinterpret_cast<const uchar *>(bmp.constData());
        QCOMPARE(qFromLittleEndian<quint32>(header + 14), 40u); // BITMAPINFOHEADER
        QCOMPARE(qFromLittleEndian<quint16>(header + 28), quint16(24));
        QCOMPARE(qFromLittleEndian<quint32>(header + 30), 0u); // BI_RGB
    }

    void twentyLogoFramesOfOneSize()
    {
        for (int frame = 0; frame < 20; ++frame) {
            const QString name = QStringLiteral("logo/quor%1.gif").arg(frame, 4, 10, QLatin1Char('0'));
            const QImage image(contentFile(name));
            QVERIFY2(!image.isNull(), qPrintable(name));
            QCOMPARE(image.size(), QSize(120, 120));
        }
    }

    void soundsDecodeAndAreAudible_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"click", "typekey", "thud3", "halleluj", "fanf2", "fanf3", "fanf4",
                                 "slot_payoff", "crowd", "cheer2", "clap2", "clap3", "klaxon", "flute",
                                 "gong", "drumroll", "laser2", "whizz", "clown"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void soundsDecodeAndAreAudible()
    {
        QFETCH(QString, name);
        const auto sound = decodeWav(readAll(contentFile("wav/" + name + ".wav")));
        QVERIFY2(sound.has_value(), qPrintable(name));
        QCOMPARE(sound->sampleRate, 22050);
        QCOMPARE(sound->channels, 1);
        QCOMPARE(sound->bitsPerSample, 16);

        const int count = int(sound->samples.size() / 2);
        const auto *pcm = reinterpret_cast<const qint16 *>(sound->samples.constData());
        QVERIFY(count > 22050 / 10);
        int peak = 0;
        double energy = 0;
        for (int i = 0; i < count; ++i) {
            peak = std::max(peak, std::abs(int(pcm[i])));
            energy += double(pcm[i]) * pcm[i];
        }
        const double rms = std::sqrt(energy / count) / 32768.0;
        QVERIFY2(peak < 32440, qPrintable(QStringLiteral("clipped: peak %1").arg(peak)));
        QVERIFY2(rms > 0.02, qPrintable(QStringLiteral("too quiet: RMS %1").arg(rms)));
        // The player cuts the end of a sample, so each ends in 0.2 s of silence.
        for (int i = count - 22050 / 5; i < count; ++i)
            QVERIFY2(std::abs(int(pcm[i])) <= 64, qPrintable(QStringLiteral("sound at sample %1").arg(i)));
    }

    void catalogueStartsEmpty()
    {
        QCOMPARE(readAll(contentFile("multiple/track.txt")), QByteArray(" 0 \r\n"));
    }

    void manifestNamesExactlyTheShippedFiles()
    {
        const QByteArray manifest = readAll(contentFile("MANIFEST.sha256"));
        QVERIFY(!manifest.isEmpty());
        QStringList listed;
        for (const QByteArray &line : manifest.split('\n')) {
            if (line.isEmpty())
                continue;
            const QByteArray hash = line.left(64);
            const QString file = QString::fromUtf8(line.mid(66));
            listed << file;
            QCryptographicHash sha(QCryptographicHash::Sha256);
            sha.addData(readAll(contentFile(file)));
            QVERIFY2(sha.result().toHex() == hash, qPrintable(file + " differs from MANIFEST.sha256"));
        }
        QStringList present;
        const QString root = contentFile(QString());
        QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next().mid(root.size());
            if (file != QLatin1String("MANIFEST.sha256"))
                present << file;
        }
        present.sort();
        listed.sort();
        QCOMPARE(present, listed);
    }
};

VELMORA_TEST(MediaFiles)
#include "mediafiles.moc"
