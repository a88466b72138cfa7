// Sequential files: how fields and numbers are read,
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
        QCOMPARE(SeqFileReader::fromBytes(" -4 ,x").readNumber(), -4);
        for (const char *notANumber : {" ", "3 4", "3.5", "99999999999"})
            QCOMPARE(errorOf([&] { SeqFileReader::fromBytes(notANumber).readNumber(); }), SeqFileError::Kind::NotANumber);
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
        for (const QString &text : {QStringLiteral("\u0391thens"), QStringLiteral("two\nlines"), QStringLiteral("a\rb")}) {
            SeqFileWriter file(keep); // given up unclosed, as when anything goes wrong part-way
            file.writeLine(QStringLiteral("new first line"));
            QCOMPARE(errorOf([&] { file.writeLine(text); }), SeqFileError::Kind::NotStorable);
        }
        QCOMPARE(SeqFileReader(keep).readField(), QStringLiteral("old"));
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
