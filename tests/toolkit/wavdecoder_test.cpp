// WAV files from outside decode when they are plain PCM and are refused, never
// over-read, when they are anything else or damaged.
#include "testregistry.h"
#include "toolkit/wavdecoder.h"

#include <QtEndian>
#include <QtTest>

namespace {
QByteArray le32(quint32 v) { QByteArray b(4, 0); qToLittleEndian(v, b.data()); return b; }
QByteArray le16(quint16 v) { QByteArray b(2, 0); qToLittleEndian(v, b.data()); return b; }

QByteArray wav(quint16 tag, quint16 channels, quint32 rate, quint16 bits, const QByteArray &data, qint64 dataSizeField = -1)
{
    QByteArray fmt = le16(tag) + le16(channels) + le32(rate) + le32(rate * channels * bits / 8) +
                     le16(channels * bits / 8) + le16(bits);
    QByteArray body = "WAVE" + QByteArray("fmt ") + le32(fmt.size()) + fmt + "data" +
                      le32(dataSizeField < 0 ? data.size() : quint32(dataSizeField)) + data;
    return "RIFF" + le32(body.size()) + body;
}
} // namespace

class WavDecoderTest : public QObject {
    Q_OBJECT
private slots:
    void pcmFormatsDecode_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("bits");
        QTest::newRow("mono 16") << 1 << 16;
        QTest::newRow("stereo 16") << 2 << 16;
        QTest::newRow("mono 8") << 1 << 8;
        QTest::newRow("stereo 8") << 2 << 8;
    }
    void pcmFormatsDecode()
    {
        QFETCH(int, channels);
        QFETCH(int, bits);
        const QByteArray data(channels * bits / 8 * 100, '\x10');
        const auto s = decodeWav(wav(1, channels, 22050, bits, data));
        QVERIFY(s.has_value());
        QCOMPARE(s->channels, channels);
        QCOMPARE(s->bitsPerSample, bits);
        QCOMPARE(s->sampleRate, 22050);
        QCOMPARE(s->samples, data);
    }

    void compressedAndDamagedFilesAreRefused()
    {
        const QByteArray data(200, '\x01');
        QVERIFY(!decodeWav(wav(2 /* MS-ADPCM */, 1, 22050, 4, data)));
        QVERIFY(!decodeWav(QByteArray("RIFF")));
        QVERIFY(!decodeWav(QByteArray()));
        QVERIFY(!decodeWav(wav(1, 0, 22050, 16, data)));
        QVERIFY(!decodeWav(wav(1, 1, 22050, 16, QByteArray())));
    }

    void aDataChunkLongerThanTheFileKeepsWhatIsThere()
    {
        const auto s = decodeWav(wav(1, 1, 22050, 16, QByteArray(101, '\x02'), 1 << 30));
        QVERIFY(s.has_value());
        QCOMPARE(s->samples.size(), 100); // whole frames only
    }

    void everyTruncationOfAGoodFileIsSafe()
    {
        const QByteArray good = wav(1, 2, 44100, 16, QByteArray(64, '\x05'));
        for (int n = 0; n < good.size(); ++n)
            decodeWav(good.left(n)); // must not crash or over-read (sanitizer build checks)
    }
};

VELMORA_TEST(WavDecoderTest)
#include "wavdecoder_test.moc"
