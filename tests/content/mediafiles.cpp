// Every shipped picture and sound, read as the program reads them, all at
// once: pictures decode and sounds are the one format the player takes.
// (content-src/check-reproducible.sh checks that the content is what its
// sources make, byte for byte; the sound script checks each sound's format,
// loudness, true peak and silent end, and the drop sound's band.)
#include "testregistry.h"
#include "toolkit/wavdecoder.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <QtTest>

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

    // Every sound decodes, as the player's decoder reads it, to 22 050 Hz
    // mono 16-bit PCM and is audible.
    void everySoundDecodes()
    {
        const QStringList names = QDir(contentFile("wav")).entryList({"*.wav"});
        QVERIFY(names.size() >= 19);
        for (const QString &name : names) {
            const auto sound = decodeWav(readAll(contentFile("wav/" + name)));
            QVERIFY2(sound && sound->sampleRate == 22050 && sound->channels == 1 && sound->bitsPerSample == 16, qPrintable(name));
            int loudest = 0;
            for (qsizetype i = 0; i + 1 < sound->samples.size(); i += 2)
                loudest = std::max<int>(loudest, qFromLittleEndian<qint16>(sound->samples.constData() + i));
            QVERIFY2(sound->samples.size() > 22050 / 5 && loudest > 0.3 * 32768, qPrintable(name + " is silent"));
        }
    }
};

VELMORA_TEST(MediaFiles)
#include "mediafiles.moc"
