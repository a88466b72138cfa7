// The shipped pictures, logo frames, sounds and catalogue, read as the
// program reads them: every picture decodes at the pixel size of the box
// that shows it, the logo bitmap is uncompressed 24-bit, every sound decodes
// as 22 050 Hz mono 16-bit PCM that is not silent and ends in silence, every
// reward sound has one loudness and the drop sound carries on small
// speakers. (content-src/check-reproducible.sh checks MANIFEST.sha256, the
// empty catalogue among the files.)
#include "quiz/rewardsounds.h"
#include "testregistry.h"
#include "toolkit/wavdecoder.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtEndian>
#include <QtTest>
#include <cmath>
#include <complex>

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

QList<double> samplesOf(const QString &name)
{
    const auto sound = decodeWav(readAll(contentFile("wav/" + name + ".wav")));
    QList<double> samples;
    if (sound && sound->bitsPerSample == 16)
        for (qsizetype i = 0; i + 1 < sound->samples.size(); i += 2)
            samples << qFromLittleEndian<qint16>(sound->samples.constData() + i) / 32768.0;
    return samples;
}

// The last value that ffmpeg's EBU R128 meter reports under KEY in its summary.
double meterReading(const QString &report, const QString &key)
{
    double value = NAN;
    auto found = QRegularExpression(QStringLiteral("(?m)^\\s+%1:\\s+(-?[0-9.]+)").arg(key)).globalMatch(report);
    while (found.hasNext())
        value = found.next().captured(1).toDouble();
    return value;
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
        const QList<double> pcm = samplesOf(name);
        QVERIFY(pcm.size() > 22050 / 10);
        QVERIFY2(*std::max_element(pcm.begin(), pcm.end()) > 0.3, "silent");
        // The player cuts the end of a sample, so each ends in 0.2 s of silence.
        for (qsizetype i = pcm.size() - 22050 / 5; i < pcm.size(); ++i)
            QVERIFY2(std::abs(pcm[i]) <= 64 / 32768.0, qPrintable(QStringLiteral("sound at sample %1").arg(i)));
    }

    // Every sound a score can earn praises with the same loudness: -16 LUFS
    // integrated (EBU R128, by ffmpeg's meter) within 1 LU, true peak below
    // -1 dBFS, so none is lost in a classroom and none startles.
    void rewardSoundsShareOneLoudness()
    {
        const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
        if (ffmpeg.isEmpty())
            QSKIP("ffmpeg is not installed: reward sound loudness not measured");
        for (int score = 6; score <= 12; ++score)
            for (QString sound : rewardSoundsFor(score)) {
                QProcess meter;
                meter.start(ffmpeg, {"-nostdin", "-nostats", "-hide_banner", "-i", contentFile(sound.replace('\\', '/')),
                                     "-filter_complex", "ebur128=peak=true", "-f", "null", "-"});
                QVERIFY(meter.waitForFinished(60'000) && meter.exitCode() == 0);
                const QString report = QString::fromUtf8(meter.readAllStandardError());
                const double loudness = meterReading(report, "I"), truePeak = meterReading(report, "Peak");
                QVERIFY2(std::abs(loudness + 16) <= 1 && truePeak < -1,
                         qPrintable(QStringLiteral("%1: %2 LUFS, true peak %3 dBFS").arg(sound).arg(loudness).arg(truePeak)));
            }
    }

    // Laptop and whiteboard speakers give almost nothing below 200 Hz: most
    // of the drop sound's energy lies between 200 Hz and 4 kHz.
    void dropSoundCarriesOnSmallSpeakers()
    {
        const QList<double> pcm = samplesOf(QStringLiteral("thud3"));
        const qsizetype n = pcm.size();
        double total = 0, band = 0;
        for (double x : pcm)
            total += x * x;
        for (qsizetype k = 200 * n / 22050 + 1; k <= 4000 * n / 22050; ++k) {
            std::complex<double> bin;
            for (qsizetype t = 0; t < n; ++t)
                bin += pcm[t] * std::polar(1.0, -2 * M_PI * double(k * t % n) / double(n));
            band += 2 * std::norm(bin) / double(n); // the bin and its mirror image
        }
        QVERIFY2(band > 0.7 * total, qPrintable(QStringLiteral("%1 of the energy lies in 200 Hz - 4 kHz").arg(band / total)));
    }
};

VELMORA_TEST(MediaFiles)
#include "mediafiles.moc"
