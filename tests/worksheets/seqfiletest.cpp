// Sequential files: how fields are read, how lines and numbers are written,
// the Windows-1252 bytes, and that the one file channel is always given back
// and a failed write never touches the previous file.
#include "contentfolder.h"
#include "testregistry.h"
#include "toolkit/seqfile.h"

#include <QtTest>
#include <optional>

namespace {
QStringList readAllFields(const QByteArray &bytes)
{
    SeqFileReader file = SeqFileReader::fromBytes(bytes);
    QStringList fields;
    while (!file.atEnd())
        fields.append(file.readField());
    return fields;
}

std::optional<SeqFileError::Kind> errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const SeqFileError &error) {
        return error.kind();
    }
    return std::nullopt;
}
} // namespace

class SeqFileTest : public QObject {
    Q_OBJECT

private slots:
    void readsFieldsByTheRules_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("one line") << QByteArray("plain text\r\n") << QStringList{"plain text"};
        QTest::newRow("comma ends a field") << QByteArray("a,b\r\nc\r\n") << QStringList{"a", "b", "c"};
        QTest::newRow("empty between commas") << QByteArray("a,,b\r\n") << QStringList{"a", "", "b"};
        QTest::newRow("comma at line end") << QByteArray("a,\r\nb\r\n") << QStringList{"a", "", "b"};
        QTest::newRow("leading spaces skipped") << QByteArray("   lead\r\n") << QStringList{"lead"};
        QTest::newRow("trailing spaces kept") << QByteArray("trail  \r\n") << QStringList{"trail  "};
        QTest::newRow("spaces after comma skipped") << QByteArray("a, b\r\n") << QStringList{"a", "b"};
        QTest::newRow("empty lines") << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x"};
        QTest::newRow("line of spaces") << QByteArray(" \r\n    \r\nx\r\n") << QStringList{"", "", "x"};
        QTest::newRow("quoted field keeps comma") << QByteArray("\"Athens, Sparta\"\r\nx\r\n")
                                                  << QStringList{"Athens, Sparta", "x"};
        QTest::newRow("after closing quote dropped") << QByteArray("\"q\" rest,next\r\n") << QStringList{"q", "next"};
        QTest::newRow("unclosed quote ends at line") << QByteArray("\"open\r\nnext\r\n") << QStringList{"open", "next"};
        QTest::newRow("quote inside kept") << QByteArray("say \"hi\"\r\n") << QStringList{"say \"hi\""};
        QTest::newRow("LF line ends") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("CR line ends") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("no final line end") << QByteArray("a\r\nlast") << QStringList{"a", "last"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
    }
    void readsFieldsByTheRules()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, fields);
        QCOMPARE(readAllFields(bytes), fields);
    }

    void readingPastTheEndIsAnError()
    {
        SeqFileReader file = SeqFileReader::fromBytes("only\r\n");
        QCOMPARE(file.readField(), QStringLiteral("only"));
        QCOMPARE(errorOf([&] { file.readField(); }), SeqFileError::Kind::PastEnd);
        QCOMPARE(errorOf([&] { file.readNumber(); }), SeqFileError::Kind::PastEnd);
    }

    void readsNumberFields_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("number");
        QTest::newRow("as written") << QByteArray(" 3 \r\n") << 3;
        QTest::newRow("bare") << QByteArray("3\r\n") << 3;
        QTest::newRow("many spaces") << QByteArray("    1000     \r\n") << 1000;
        QTest::newRow("zero") << QByteArray(" 0 \r\n") << 0;
        QTest::newRow("negative") << QByteArray("-4 \r\n") << -4;
        QTest::newRow("leading zeros") << QByteArray("007\r\n") << 7;
        QTest::newRow("ended by comma") << QByteArray(" 12 ,x\r\n") << 12;
    }
    void readsNumberFields()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, number);
        SeqFileReader file = SeqFileReader::fromBytes(bytes);
        QCOMPARE(file.readNumber(), number);
    }

    void refusesWhatIsNotANumber_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        for (const char *bad : {"", "   ", "x", "3x", "3 4", "3.5", "-", "99999999999"})
            QTest::addRow("'%s'", bad) << QByteArray(bad) + "\r\n";
    }
    void refusesWhatIsNotANumber()
    {
        QFETCH(QByteArray, bytes);
        SeqFileReader file = SeqFileReader::fromBytes(bytes);
        QCOMPARE(errorOf([&] { file.readNumber(); }), SeqFileError::Kind::NotANumber);
    }

    void writesLinesAndNumbersWithCrLf()
    {
        ContentFolder folder;
        SeqFileWriter file(folder.path("out.txt"));
        file.writeNumber(3);
        file.writeNumber(0);
        file.writeNumber(1000);
        file.writeNumber(-2);
        file.writeLine(QStringLiteral("Who won, Athens or Sparta?"));
        file.writeLine(QString());
        file.writeLine(QStringLiteral(" "));
        file.close();
        QCOMPARE(folder.read("out.txt"),
                 QByteArray(" 3 \r\n 0 \r\n 1000 \r\n-2 \r\nWho won, Athens or Sparta?\r\n\r\n \r\n"));
    }

    void windows1252OneBytePerCharacterBothWays()
    {
        ContentFolder folder;
        const QString text = QStringLiteral("caf\u00e9 \u2013 \u201cquotes\u201d \u2018s\u2019 \u20ac5");
        {
            SeqFileWriter file(folder.path("cp.txt"));
            file.writeLine(text);
            file.close();
        }
        QCOMPARE(folder.read("cp.txt"), QByteArray("caf\xe9 \x96 \x93quotes\x94 \x91s\x92 \x80"
                                                   "5\r\n"));
        SeqFileReader file(folder.path("cp.txt"));
        QCOMPARE(file.readField(), text);
    }

    void everyByteButTheDelimitersSurvivesARoundTrip()
    {
        QByteArray bytes;
        for (int b = 0x21; b <= 0xFF; ++b)
            if (b != ',' && b != '"')
                bytes.append(char(b));
        SeqFileReader reader = SeqFileReader::fromBytes(bytes + "\r\n");
        const QString field = reader.readField();
        QCOMPARE(field.size(), bytes.size());
        QCOMPARE(encodeWindows1252(field), bytes);
    }

    void textWindows1252CannotHoldIsFound()
    {
        QVERIFY(fitsWindows1252(QStringLiteral("caf\u00e9 \u20ac \u201c\u201d")));
        QCOMPARE(charactersOutsideWindows1252(QStringLiteral("\u03b1\u03b2 \u00e9 \u03b1")), QStringLiteral("\u03b1\u03b2"));
        QCOMPARE(charactersOutsideWindows1252(QStringLiteral("ok \U0001F600")), QStringLiteral("\U0001F600"));
        QCOMPARE(charactersOutsideWindows1252(QString(QChar(0xD800))), QString(QChar(0xD800)));
        QCOMPARE(errorOf([] { encodeWindows1252(QStringLiteral("\u03a9")); }), SeqFileError::Kind::NotStorable);
    }

    void refusedTextLeavesThePreviousFileAlone_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("Greek letter") << QStringLiteral("\u0391thens");
        QTest::newRow("line break") << QStringLiteral("two\nlines");
        QTest::newRow("carriage return") << QStringLiteral("two\rlines");
    }
    void refusedTextLeavesThePreviousFileAlone()
    {
        QFETCH(QString, text);
        ContentFolder folder;
        folder.write("keep.txt", "old\r\n");
        {
            SeqFileWriter file(folder.path("keep.txt"));
            file.writeLine(QStringLiteral("new first line"));
            QCOMPARE(errorOf([&] { file.writeLine(text); }), SeqFileError::Kind::NotStorable);
        }
        QCOMPARE(folder.read("keep.txt"), QByteArray("old\r\n"));
        QCOMPARE(folder.entries(), QStringList{"keep.txt"});
    }

    void anUnfinishedWriteNeverReplacesTheFile()
    {
        ContentFolder folder;
        folder.write("keep.txt", "old\r\n");
        try {
            SeqFileWriter file(folder.path("keep.txt"));
            file.writeLine(QStringLiteral("half"));
            throw std::runtime_error("interrupted");
        } catch (const std::runtime_error &) {
        }
        QCOMPARE(folder.read("keep.txt"), QByteArray("old\r\n"));
        QCOMPARE(folder.entries(), QStringList{"keep.txt"});
    }

    void openingWhatIsNotThereFails()
    {
        ContentFolder folder;
        QCOMPARE(errorOf([&] { SeqFileReader(folder.path("none.txt")); }), SeqFileError::Kind::CannotOpen);
        QCOMPARE(errorOf([&] { SeqFileWriter(folder.root() + "/no folder/x.txt"); }), SeqFileError::Kind::CannotOpen);
    }

    void theOneChannelIsAlwaysGivenBack()
    {
        ContentFolder folder;
        folder.write("a.txt", "a\r\n");
        {
            SeqFileReader first(folder.path("a.txt"));
            QCOMPARE(errorOf([&] { SeqFileReader(folder.path("a.txt")); }), SeqFileError::Kind::ChannelBusy);
            QCOMPARE(errorOf([&] { SeqFileWriter(folder.path("b.txt")); }), SeqFileError::Kind::ChannelBusy);
            first.close();
            SeqFileReader second(folder.path("a.txt")); // closed means free again
        }
        // An error that unwinds past the reader gives the channel back too.
        QCOMPARE(errorOf([&] {
                     SeqFileReader file(folder.path("a.txt"));
                     file.readField();
                     file.readField();
                 }),
                 SeqFileError::Kind::PastEnd);
        QCOMPARE(errorOf([&] { SeqFileWriter(folder.path("b.txt")).close(); }), std::nullopt);
        QCOMPARE(folder.read("b.txt"), QByteArray());
    }
};

VELMORA_TEST(SeqFileTest)
#include "seqfiletest.moc"
