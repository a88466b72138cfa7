// Every shipped picture and sound, read as the program reads them, all at
// once: pictures decode, sounds are the one format the player takes and end
// in silence, every reward sound has one loudness and the drop sound carries
// on small speakers. (content-src/check-reproducible.sh checks that the
// content is what its sources make, byte for byte.)
#include "quiz/rewardsounds.h"
#include "testregistry.h"
#include "toolkit/wavdecoder.h"

#include <QDir>
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
    // Every picture decodes (their sizes on screen: ContentOnScreens); the
    // logo's twenty frames share one size and its bitmap is uncompressed 24-bit.
    void everyPictureDecodes()
    {
        for (const QString &folder : {QStringLiteral("images"), QStringLiteral("logo")})
            for (const QString &name : QDir(contentFile(folder)).entryList(QDir::Files))
                QVERIFY2(!QImage(contentFile(folder + '/' + name)).isNull(), qPrintable(name));
        const QStringList frames = QDir(contentFile("logo")).entryList({"quor*.gif"});
        QCOMPARE(frames.size(), 20);
        for (const QString &frame : frames)
            QCOMPARE(QImage(contentFile("logo/" + frame)).size(), QSize(120, 120));
        const QByteArray bmp = readAll(contentFile("logo/quorvane2.bmp"));
        QVERIFY(bmp.size() > 54 && bmp.startsWith("BM"));
        const auto *header = reinterpret_cast<const uchar *>(bmp.constData());
        QCOMPARE(qFromLittleEndian<quint32>(header + 14), 40u); // BITMAPINFOHEADER
        QCOMPARE(qFromLittleEndian<quint16>(header + 28), quint16(24));
        QCOMPARE(qFromLittleEndian<quint32>(header + 30), 0u); // BI_RGB
    }

    // Every sound is 22 050 Hz mono 16-bit PCM, audible, and ends in 0.2 s
    // of silence, as the player cuts the end of a sample.
    void everySoundDecodesAndEndsInSilence()
    {
        const QStringList names = QDir(contentFile("wav")).entryList({"*.wav"});
        QVERIFY(names.size() >= 19);
        for (const QString &name : names) {
            const auto sound = decodeWav(readAll(contentFile("wav/" + name)));
            QVERIFY2(sound && sound->sampleRate == 22050 && sound->channels == 1 && sound->bitsPerSample == 16, qPrintable(name));
            const QList<double> pcm = samplesOf(name.chopped(4));
            QVERIFY2(pcm.size() > 22050 / 10 && *std::max_element(pcm.begin(), pcm.end()) > 0.3, qPrintable(name + " is silent"));
            for (qsizetype i = pcm.size() - 22050 / 5; i < pcm.size(); ++i)
                QVERIFY2(std::abs(pcm[i]) <= 64 / 32768.0, qPrintable(QStringLiteral("%1 sounds at sample %2").arg(name).arg(i)));
        }
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
