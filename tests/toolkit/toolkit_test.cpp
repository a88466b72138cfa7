// The toolkit's own promises that the screens' stories do not reach: content
// paths match whatever the letter case on disk, and WAV files from outside
// are read safely or refused.
#include "support/testenv.h"
#include "testregistry.h"
#include "toolkit/contentpath.h"
#include "toolkit/wavdecoder.h"

#include <QDataStream>
#include <QtEndian>
#include <QtTest>

namespace {
QByteArray wav(quint16 format, quint16 channels, quint16 bits, const QByteArray &data, quint32 declaredSize)
{
    QByteArray header;
    QDataStream out(&header, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(16) << format << channels << quint32(22050) << quint32(22050 * channels * bits / 8)
        << quint16(channels * bits / 8) << bits;
    QByteArray size(4, 0);
    qToLittleEndian(declaredSize, size.data());
    return "RIFF----WAVEfmt " + header + "data" + size + data;
}
} // namespace

class ToolkitTest : public QObject {
    Q_OBJECT
private slots:
    void contentPathsMatchWhateverTheCase()
    {
        TestEnvironment env;
        for (const auto &[written, onDisk] : {std::pair{"IMAGES\\schoolsm.jpg", "images/schoolsm.jpg"},
                                              {"wav/CLICK.WAV", "wav/click.wav"},
                                              {"Images\\New Picture.jpg", "images/New Picture.jpg"}}) // to be made
            QCOMPARE(resolveContentPath(QLatin1String(written)), env.contentDir() + '/' + QLatin1String(onDisk));
    }

    void wavFilesDecodeOnlyAsPlainPcm()
    {
        for (const auto &[channels, bits] : {std::pair<quint16, quint16>{1, 16}, {2, 16}, {1, 8}, {2, 8}}) {
            const QByteArray data(channels * bits / 8 * 100, '\x10');
            const auto sound = decodeWav(wav(1, channels, bits, data, quint32(data.size())));
            QVERIFY(sound && sound->channels == channels && sound->bitsPerSample == bits && sound->samples == data);
        }
        QVERIFY(!decodeWav(wav(2 /* MS-ADPCM */, 1, 4, QByteArray(200, 1), 200)));
        QVERIFY(!decodeWav(wav(1, 0, 16, QByteArray(200, 1), 200)));
        // A data chunk longer than the file keeps the whole frames that are there.
        QCOMPARE(decodeWav(wav(1, 1, 16, QByteArray(101, 2), 1 << 30))->samples.size(), 100);
        const QByteArray good = wav(1, 2, 16, QByteArray(64, 5), 64);
        for (int n = 0; n < good.size(); ++n)
            decodeWav(good.left(n)); // never reads past the bytes (the sanitizer build checks)
    }
};

VELMORA_TEST(ToolkitTest)
#include "toolkit_test.moc"
