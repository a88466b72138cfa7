#pragma once
// A fresh world for each test story: empty shared state, no screens loaded,
// content read from the repository through a private folder whose "multiple"
// folder is a writable copy, and recording doubles in place of sound, message
// boxes, file dialogs, the printer, random numbers, display size and program end.
#include "toolkit/filedialog.h"
#include "toolkit/messagebox.h"
#include "toolkit/printerrecording.h"
#include "toolkit/sound.h"
#include "toolkit/speech.h"

#include <QMap>
#include <QPoint>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>

class QWidget;

// Records every sound with what was on top when it played.
class RecordingSound : public SoundOutput {
public:
    void play(const QString &relativePath) override;
    QStringList played;
    QStringList playedWithTop; // "path@screen"
};

// Records every reading ("read 80%: text") and every stop ("stop"), and
// answers every voice check with `voice`.
class RecordingSpeech : public SpeechOutput {
public:
    void speak(const QString &text, int rate) override { heard << QStringLiteral("read %1%: %2").arg(rate).arg(text); }
    void stop() override { heard << QStringLiteral("stop"); }
    void checkVoice(QObject *, std::function<void(const VoiceCheck &)> answer) override { answer(voice); }
    QStringList heard;
    VoiceCheck voice{true, {}};
};

class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();
    TestEnvironment(const TestEnvironment &) = delete;
    TestEnvironment &operator=(const TestEnvironment &) = delete;

    QString contentDir() const { return root_.path(); }
    QString multipleDir() const { return root_.filePath(QStringLiteral("multiple")); }
    // Replaces one content folder with an empty writable one (e.g. to remove pictures).
    void emptyFolder(const QString &folder);
    // Every file of the "multiple" folder with its bytes.
    QMap<QString, QByteArray> multipleFolder() const;

    std::shared_ptr<RecordingSound> sound = std::make_shared<RecordingSound>();
    std::shared_ptr<RecordingSpeech> speech = std::make_shared<RecordingSpeech>();
    QStringList messages;             // every message shown, in order
    std::deque<MsgResult> answers;    // answers for OK/Cancel questions; the default button when empty
    std::deque<double> randomNumbers; // next rnd() values; 0 when empty
    QList<FileRequest> fileRequests;  // every file dialog shown, in order
    std::deque<FileChoice> fileChoices; // what each picks; cancelled when empty
    int programEnds = 0;
    std::shared_ptr<PrintRecord> printer = std::make_shared<PrintRecord>(); // every print job

private:
    QTemporaryDir root_;
};

// A file byte for byte ("<missing>" when absent); writing makes its folder,
// and null bytes remove the file.
QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);
// The same for a file of the test's "multiple" folder.
QByteArray fileBytes(const TestEnvironment &env, const QString &nameInMultiple);
void writeFileBytes(const TestEnvironment &env, const QString &nameInMultiple, const QByteArray &bytes);
// A catalogue file as the program writes it: " N " then the titles, each line ending CR LF.
QByteArray catalogueBytes(const QStringList &titles);
// prefix + "1" to prefix + n.
QStringList numberedTitles(int n, const QString &prefix = QStringLiteral("T"));

// The visible screen on top, by name, or "" (the backdrop does not count).
QString topScreenName();

// Pointer actions on real widgets with real Qt events; positions in pixels
// relative to the widget, its middle when not given. A hover goes to the
// control under the point, as the window system would send it.
void clickOn(QWidget *widget, QPoint at = QPoint(-1, -1));
void hoverOver(QWidget *widget, QPoint at = QPoint(-1, -1));
// Clicks a tick box or a round button on its box, clear of its text.
void clickBox(QWidget *button);
void moveWithButtons(QWidget *widget, QPointF at, Qt::MouseButtons buttons = Qt::LeftButton);
