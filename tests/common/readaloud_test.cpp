// Reading aloud as a pupil meets it, heard through the recording voice: what
// each screen reads, in which order, and when the reading stops; "Sound Off",
// a computer without a voice and a missing speech module leave the speakers
// disabled, saying why, and read nothing.
#include "activities/fighterslab.h"
#include "common/module1.h"
#include "quiz/multiple.h"
#include "quiz/welldone.h"
#include "shell/intro0.h"
#include "shell/teacher.h"
#include "support/pupil.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "toolkit/backendmodule.h"
#include "toolkit/speakerlabel.h"

#include <QElapsedTimer>
#include <QtTest>
#include <optional>

namespace {
QString read(const QString &text, int rate = 80) { return QStringLiteral("read %1%: %2").arg(rate).arg(text); }

// Question n of the test set as it is read.
QString question(int n)
{
    QStringList said{QStringLiteral("Question %1.").arg(n), testQuestion(n) + '.'};
    for (const char *letter : {"A", "B", "C", "D"})
        said << QStringLiteral("%1. Answer %2%1.").arg(QLatin1String(letter)).arg(n);
    return said.join('\n');
}
} // namespace

class ReadAloudTest : public QObject {
    Q_OBJECT
private slots:
    // The quiz reads the question, then its answers with their letters, by
    // its speaker or by F5; moving to another question or leaving stops it.
    void theQuizReadsTheQuestionUntilThePupilMovesOn()
    {
        TestEnvironment env;
        writeQuestionFile(env);
        Module1.soundOn = 1;
        multiple &quiz = openFightersQuiz();
        QCOMPARE(quiz.Speaker->toolTip(), QStringLiteral("Read aloud (F5)"));
        clickOn(quiz.Speaker);
        clickOn(quiz.Label3[1]); // "Next Question >>"
        pressKey(Qt::Key_F5);
        QCOMPARE(quiz.focusWidget(), quiz.Label2); // the reading leaves the focus where it was
        pressKey(Qt::Key_Escape);
        runEventsFor(20);
        QCOMPARE(env.speech->heard, (QStringList{read(question(1)), "stop", read(question(2)), "stop"}));
    }

    // A page is read from the text beside its picture, in reading order, at
    // the rate set for the whole computer; turning the page stops it.
    void aPageIsReadAtTheComputersRate()
    {
        TestEnvironment env;
        QTemporaryDir config;
        writeBytes(config.filePath(QStringLiteral("velmora/velmora.conf")), "[Speech]\nRate=65\n");
        qputenv("XDG_CONFIG_DIRS", config.path().toUtf8());
        const auto unset = qScopeGuard([] { qunsetenv("XDG_CONFIG_DIRS"); });
        Module1.soundOn = 1;
        auto &viewer = static_cast<teacher &>(clickTopicMenuButton(QStringLiteral("fighters"), 4)); // "Key Facts"
        clickOn(viewer.Speaker);
        clickOn(viewer.Label3[viewer::NextPage]);
        tabTo(viewer.Speaker, Qt::Key_Space);
        const QStringList heard = env.speech->heard;
        QCOMPARE(heard.size(), 3);
        QVERIFY2(heard[0].startsWith(read("Greek Fighters.\nKey Facts 1 of 2.\nHoplites.\nGreek foot soldiers", 65)),
                 qPrintable(heard[0]));
        QCOMPARE(heard[1], QStringLiteral("stop"));
        QVERIFY2(heard[2].startsWith(read("Greek Fighters.\nKey Facts 2 of 2.", 65)), qPrintable(heard[2]));
    }

    // An activity reads its instruction, and each label as it is picked up
    // with the pointer or with Enter; Escape, leaving, stops it.
    void anActivityReadsItsInstructionAndEachLabelPickedUp()
    {
        TestEnvironment env;
        Module1.soundOn = 1;
        auto &activity = static_cast<fighterslab &>(clickTopicMenuButton(QStringLiteral("fighters"), 1));
        clickOn(activity.Speaker);
        dragIntoBox(activity, 2, 2);
        pressKey(Qt::Key_Return); // picks up the first label in reading order
        pressKey(Qt::Key_Escape); // puts it back
        pressKey(Qt::Key_Escape); // leaves
        runEventsFor(20);
        QCOMPARE(env.speech->heard,
                 (QStringList{read("Label this picture of a Greek soldier.\nDrag the labels into the correct boxes."),
                              read("Spear or pike"), read("Greaves"), "stop"}));
    }

    // The score is read once the reward sound has ended, never over it, and
    // again by its speaker.
    void theScoreIsReadAfterTheRewardSound()
    {
        TestEnvironment env;
        writeQuestionFile(env);
        Module1.soundOn = 1;
        answerAll(openFightersQuiz(), kRightAnswers);
        QVERIFY(QTest::qWaitFor([&env] { return env.sound->played.contains(QStringLiteral("wav\\fanf2.wav")); }));
        QElapsedTimer sinceTheSound;
        sinceTheSound.start();
        const QString score = read(QStringLiteral("Excellent work. You have scored 10 out of 10."));
        QVERIFY(QTest::qWaitFor([&env] { return !env.speech->heard.isEmpty(); }, 10000));
        QVERIFY2(sinceTheSound.elapsed() >= soundLengthMs(QStringLiteral("wav\\fanf2.wav")), "read over the reward sound");
        pressKey(Qt::Key_F5);
        runEventsFor(20);
        clickOn(touch<Welldone>().Label3[1]); // "Exit"
        runEventsFor(20);
        QCOMPARE(env.speech->heard, (QStringList{score, score, "stop"}));
    }

    // A speaker that cannot read is disabled, says why, and F5 reads nothing.
    void aSpeakerThatCannotReadSaysWhy_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("tip");
        QTest::newRow("Sound Off") << "sound" << "Sound is off: choose \"Sound On\" on the main menu to hear it read aloud.";
        QTest::newRow("no voice") << "voice"
                                  << "Reading aloud is not available: no voice is installed for the speech service.";
        QTest::newRow("no module") << "module" << "Reading aloud is not available: Velmora's speech module is missing.";
    }

    void aSpeakerThatCannotReadSaysWhy()
    {
        QFETCH(QString, cause);
        QFETCH(QString, tip);
        TestEnvironment env;
        writeQuestionFile(env);
        touch<intro0>().showScreen(); // loading the main menu turns sound on
        if (cause == "sound")
            clickBox(touch<intro0>().Option2);
        env.speech->voice = {false, QStringLiteral("no voice is installed for the speech service")};
        if (cause == "module") { // the real speech output, finding no module to load
            setModuleFolders({env.contentDir()});
            setSpeechOutput(nullptr);
        }
        multiple &quiz = openFightersQuiz();
        QTRY_COMPARE(quiz.Speaker->toolTip(), tip);
        QVERIFY(!quiz.Speaker->isEnabled());
        pressKey(Qt::Key_F5);
        QVERIFY(env.speech->heard.isEmpty());
    }

    // On Windows the speech module reaches the system's voice through SAPI:
    // it reads, or says what the voice answered (Wine's answers E_NOTIMPL).
    void theWindowsVoiceAnswers()
    {
#ifndef Q_OS_WIN
        QSKIP("the Linux voice is heard end to end by e2e_read_aloud");
#endif
        setModuleFolders({QCoreApplication::applicationDirPath() + QStringLiteral("/..")}); // the build's modules
        setSpeechOutput(nullptr);
        std::optional<VoiceCheck> answer;
        QObject context;
        speechOutput().checkVoice(&context, [&answer](const VoiceCheck &voice) { answer = voice; });
        QVERIFY(QTest::qWaitFor([&answer] { return answer.has_value(); }, 20000));
        qInfo("the Windows voice: %s", answer->ready ? "ready" : qPrintable(answer->problem));
        QVERIFY2(answer->ready || answer->problem.contains(QLatin1String("(error 0x")), qPrintable(answer->problem));
        speechOutput().speak(QStringLiteral("Question 1."), 80);
        speechOutput().stop();
        setSpeechOutput(std::make_shared<RecordingSpeech>());
        setModuleFolders({});
    }
};

VELMORA_TEST(ReadAloudTest)
#include "readaloud_test.moc"
