// Sequential files: how fields and numbers are read, the Windows-1252 bytes,
// and that the one file channel is always given back and a failed write
// never touches the previous file. (What writing puts on disk is checked
// byte for byte through the catalogue and worksheet files.)
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

    // A number field takes spaces around it; anything else, or a number
    // too large for an int, is not a number.
    void readsNumberFields_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<std::optional<int>>("number"); // none: not a number
        const QList<std::pair<const char *, std::optional<int>>> rows{
            {" 3 ", 3}, {"3", 3}, {"    1000     ", 1000}, {" 0 ", 0}, {"-4 ", -4}, {"007", 7}, {" 12 ,x", 12},
            {"", {}},   {"   ", {}}, {"x", {}},    {"3x", {}},  {"3 4", {}}, {"3.5", {}}, {"-", {}}, {"99999999999", {}}};
        for (const auto &[text, number] : rows)
            QTest::addRow("'%s'", text) << QByteArray(text) + "\r\n" << number;
    }
    void readsNumberFields()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(std::optional<int>, number);
        SeqFileReader file = SeqFileReader::fromBytes(bytes);
        if (number)
            QCOMPARE(file.readNumber(), *number);
        else
            QCOMPARE(errorOf([&] { file.readNumber(); }), SeqFileError::Kind::NotANumber);
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

    // A character outside the Basic Multilingual Plane is one character, and a
    // lone surrogate half is found rather than read past.
    void textWindows1252CannotHoldIsFound()
    {
        QCOMPARE(charactersOutsideWindows1252(QStringLiteral("ok \U0001F600")), QStringLiteral("\U0001F600"));
        QCOMPARE(charactersOutsideWindows1252(QStringLiteral("a") + QChar(0xD800)), QString(QChar(0xD800)));
    }

    // Text a file cannot hold, or any other error part-way, leaves the
    // previous file as it was and nothing else behind.
    void anUnfinishedWriteNeverReplacesTheFile_data()
    {
        QTest::addColumn<QString>("text"); // null: another error interrupts the write
        QTest::newRow("Greek letter") << QStringLiteral("\u0391thens");
        QTest::newRow("line break") << QStringLiteral("two\nlines");
        QTest::newRow("carriage return") << QStringLiteral("two\rlines");
        QTest::newRow("interrupted") << QString();
    }
    void anUnfinishedWriteNeverReplacesTheFile()
    {
        QFETCH(QString, text);
        ContentFolder folder;
        folder.write("keep.txt", "old\r\n");
        try {
            SeqFileWriter file(folder.path("keep.txt"));
            file.writeLine(QStringLiteral("new first line"));
            if (text.isNull())
                throw std::runtime_error("interrupted");
            QCOMPARE(errorOf([&] { file.writeLine(text); }), SeqFileError::Kind::NotStorable);
        } catch (const std::runtime_error &) {
        }
        QCOMPARE(folder.read("keep.txt"), QByteArray("old\r\n"));
        QCOMPARE(folder.entries(), QStringList{"keep.txt"});
    }

    // A failed open, a close or an error that unwinds gives the one file channel back.
    void theOneChannelIsAlwaysGivenBack()
    {
        ContentFolder folder;
        QCOMPARE(errorOf([&] { SeqFileReader(folder.path("a.txt")); }), SeqFileError::Kind::CannotOpen);
        QCOMPARE(errorOf([&] { SeqFileWriter(folder.root() + "/no folder/x.txt"); }), SeqFileError::Kind::CannotOpen);
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
