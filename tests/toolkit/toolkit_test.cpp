// The toolkit's own promises that the screens' stories do not reach:
// sequential files read fields and numbers by the rules, always give back
// the one file channel and never touch the previous file on a failed write
// (what writing puts on disk is checked byte for byte through the catalogue
// and worksheet files); WAV files from outside are read safely or refused;
// real sound without its module plays nothing and raises nothing; a screen
// reader hears painted controls as they are shown.
#include "testregistry.h"
#include "toolkit/accessibility.h"
#include "toolkit/atomicfile.h"
#include "toolkit/backendmodule.h"
#include "toolkit/label.h"
#include "toolkit/picturebox.h"
#include "toolkit/screen.h"
#include "toolkit/pcmplayer.h"
#include "toolkit/platformsound.h"
#include "toolkit/seqfile.h"
#include "toolkit/wavdecoder.h"

#include <QAccessible>
#include <QDataStream>
#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtEndian>
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
        QCOMPARE(errorOf([&] { SeqFileWriter writer(dir.filePath(QStringLiteral("no folder/x.txt"))); }), SeqFileError::Kind::CannotOpen);
        SeqFileWriter first(keep);
        first.writeLine(QStringLiteral("old"));
        first.close();
        for (const QString &text : {QStringLiteral("\u0391thens"), QStringLiteral("two\nlines"), QStringLiteral("a\rb")}) {
            SeqFileWriter file(keep); // given up unclosed, as when anything goes wrong part-way
            file.writeLine(QStringLiteral("new first line"));
            QCOMPARE(errorOf([&] { file.writeLine(text); }), SeqFileError::Kind::NotStorable);
        }
        SeqFileReader open(keep);
        QCOMPARE(errorOf([&] { SeqFileWriter busy(keep); }), SeqFileError::Kind::ChannelBusy);
        open.close(); // closed means free again, and so does an error that unwinds past a reader
        const auto readPastTheEnd = [&] { SeqFileReader reader(keep); reader.readField(); reader.readField(); };
        QCOMPARE(errorOf(readPastTheEnd), SeqFileError::Kind::PastEnd);
        QCOMPARE(SeqFileReader(keep).readField(), QStringLiteral("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.txt"});

        // On Windows a file another program holds open is in use (tried again
        // meanwhile), a folder in its place is not allowed (said at once).
        const bool windows = QSysInfo::productType() == QLatin1String("windows");
        int tries = 0;
        setRenameOverStep([&tries](const QString &from, const QString &to) { return ++tries, platformRenameOver(from, to); });
        const auto restore = qScopeGuard([] { setRenameOverStep({}); });
        QFile holder(keep);
        QVERIFY(holder.open(QIODevice::ReadOnly));
        QCOMPARE(replaceFileContents(keep, "new"), windows ? FileProblem::InUse : FileProblem::None);
        QVERIFY(!windows || tries > 1);
        tries = 0;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.txt")));
        QCOMPARE(replaceFileContents(dir.filePath(QStringLiteral("folder.txt")), "new"), windows ? FileProblem::NotAllowed : FileProblem::Other);
        QCOMPARE(tries, 1);
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

    // Without its module a sound plays nowhere, said once on standard error.
    void soundWithoutItsModulePlaysNothing()
    {
        QTemporaryDir empty;
        setModuleFolders({empty.path()});
        ModuleFailure failure;
        QVERIFY(!moduleEntry(QStringLiteral("velmora-sound"), kCreatePcmPlayer, &failure) && failure.lookedIn == QStringList{empty.path()});
        if (QSysInfo::productType() != QLatin1String("windows"))
            QTest::ignoreMessage(QtWarningMsg, qPrintable(QCoreApplication::applicationName() + " plays no sound: its sound "
                                                          "module velmora-sound is missing from " + empty.path()));
        const std::shared_ptr<SoundOutput> output = makePlatformSoundOutput();
        output->preload({QStringLiteral("wav\\click.wav")});
        output->play(QStringLiteral("wav\\click.wav"));
        setModuleFolders({});
    }

    // A screen is a window; a label says its caption without arrows, in the
    // role its screen gives it, and a button can be pressed; a picture says
    // what it shows, a page of artwork the text printed on it.
    void aScreenReaderHearsWhatIsShown()
    {
        Screen screen(QStringLiteral("probe"));
        Label button(&screen), heading(&screen);
        button.setCaption(QStringLiteral("Next Page >>"));
        button.setAccessibleRole(QAccessible::Button);
        heading.setCaption(QStringLiteral("Greek Fighters"));
        int presses = 0;
        connect(&button, &MouseControl::clicked, [&presses] { ++presses; });
        PictureView photo(&screen), page(&screen);
        setPictureDescriber([](const QString &path) { return "A picture from " + path; });
        const auto forget = qScopeGuard([] { setPictureDescriber({}); });
        QVERIFY(photo.loadPicture(QStringLiteral("images\\SOLDIER.jpg")) && page.loadPicture(QStringLiteral("wmf\\acknowledgments.wmf")));
        QList<std::pair<QAccessible::Role, QString>> heard;
        for (QObject *control : std::initializer_list<QObject *>{&screen, &button, &heading, &photo, &page}) {
            QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(control);
            heard.append({reader->role(), reader->text(QAccessible::Name).section(QLatin1Char(','), 0, 0)});
        }
        QCOMPARE(heard, (QList<std::pair<QAccessible::Role, QString>>{
                            {QAccessible::Window, ""}, {QAccessible::Button, "Next Page"}, {QAccessible::StaticText, "Greek Fighters"},
                            {QAccessible::Graphic, "A picture from images\\SOLDIER.jpg"},
                            {QAccessible::StaticText, "Acknowledgments Velmora\nVelmora"}}));
        QAccessible::queryAccessibleInterface(&button)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(presses, 1);
    }
};

VELMORA_TEST(ToolkitTest)
#include "toolkit_test.moc"
