// Sequential files: how fields and numbers are read, the Windows-1252 bytes,
// that the one file channel is always given back, and that a failed write
// never touches the previous file. (What writing puts on disk is checked
// byte for byte through the catalogue and worksheet files.)
#include "testregistry.h"
#include "toolkit/seqfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

namespace {
std::optional<SeqFileError::Kind> errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const SeqFileError &error) {
        return error.kind();
    }
    return std::nullopt;
}

QString fieldsOf(const QByteArray &bytes)
{
    SeqFileReader file = SeqFileReader::fromBytes(bytes);
    QStringList fields;
    while (!file.atEnd())
        fields << file.readField();
    return fields.join('|');
}
} // namespace

class SeqFileTest : public QObject {
    Q_OBJECT
private slots:
    void fieldsAndNumbersAreReadByTheRules()
    {
        const QList<std::pair<const char *, const char *>> fields{
            {"a,b\r\nc\r\n", "a|b|c"},         {"a,,b\r\na,\r\nb", "a||b|a||b"}, {"   lead, trail  \r\n", "lead|trail  "},
            {"\r\n    \r\nx\r\n", "||x"},      {"\"Athens, Sparta\" rest,x", "Athens, Sparta|x"},
            {"\"open\r\nsay \"hi\"", "open|say \"hi\""}, {"a\nb\rc", "a|b|c"}, {"", ""}};
        for (const auto &[bytes, expected] : fields)
            QCOMPARE(fieldsOf(bytes), QString::fromLatin1(expected));
        QCOMPARE(errorOf([] { SeqFileReader::fromBytes("").readField(); }), SeqFileError::Kind::PastEnd);
        const QList<std::pair<const char *, int>> numbers{{" 3 ", 3}, {"  1000  ", 1000}, {"-4 ", -4}, {"007", 7}, {" 12 ,x", 12}};
        for (const auto &[bytes, number] : numbers)
            QCOMPARE(SeqFileReader::fromBytes(bytes).readNumber(), number);
        for (const char *notANumber : {" ", "x", "3 4", "3.5", "-", "99999999999"})
            QCOMPARE(errorOf([&] { SeqFileReader::fromBytes(notANumber).readNumber(); }), SeqFileError::Kind::NotANumber);
    }

    // Every byte but the delimiters reads as its Windows-1252 character and
    // writes back as the same byte; text it cannot hold is found, each character once.
    void windows1252BytesRoundTrip()
    {
        QByteArray bytes;
        for (int b = 0x21; b <= 0xFF; ++b)
            if (b != ',' && b != '"')
                bytes.append(char(b));
        const QString field = SeqFileReader::fromBytes(bytes + "\r\n").readField();
        QCOMPARE(field.size(), bytes.size());
        QCOMPARE(encodeWindows1252(field), bytes);
        QCOMPARE(charactersOutsideWindows1252(QStringLiteral("ok \U0001F600 \u03b1\u03b1") + QChar(0xD800)),
                 QStringLiteral("\U0001F600\u03b1") + QChar(0xD800));
    }

    // Text the file cannot hold, or any other error part-way, leaves the
    // previous file as it was and nothing else behind; whatever happens, the
    // one file channel comes back.
    void aFailedWriteKeepsThePreviousFile()
    {
        QTemporaryDir dir;
        const QString keep = dir.filePath(QStringLiteral("keep.txt"));
        QCOMPARE(errorOf([&] { SeqFileReader reader(keep); }), SeqFileError::Kind::CannotOpen);
        QCOMPARE(errorOf([&] { SeqFileWriter writer(dir.filePath(QStringLiteral("no folder/x.txt"))); }),
                 SeqFileError::Kind::CannotOpen);
        SeqFileWriter first(keep);
        first.writeLine(QStringLiteral("old"));
        first.close();
        for (const QString &text : {QStringLiteral("\u0391thens"), QStringLiteral("two\nlines"), QStringLiteral("a\rb"), QString()}) {
            try {
                SeqFileWriter file(keep);
                file.writeLine(QStringLiteral("new first line"));
                if (text.isNull())
                    throw std::runtime_error("interrupted");
                QCOMPARE(errorOf([&] { file.writeLine(text); }), SeqFileError::Kind::NotStorable);
            } catch (const std::runtime_error &) {
            }
            QCOMPARE(SeqFileReader(keep).readField(), QStringLiteral("old"));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.txt"});
        SeqFileReader open(keep);
        QCOMPARE(errorOf([&] { SeqFileWriter busy(keep); }), SeqFileError::Kind::ChannelBusy);
        open.close(); // closed means free again, and so does an error that unwinds past a reader
        QCOMPARE(errorOf([&] {
                     SeqFileReader reader(keep);
                     reader.readField();
                     reader.readField();
                 }),
                 SeqFileError::Kind::PastEnd);
        QCOMPARE(SeqFileReader(keep).readField(), QStringLiteral("old"));
    }
};

VELMORA_TEST(SeqFileTest)
#include "seqfile_test.moc"
