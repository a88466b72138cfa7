// Reading aloud as a pupil meets it, heard through the recording voice: what
// each screen reads, in which order, when it stops, and when it cannot.
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
#include <QSettings>
#include <QtTest>
#include <optional>

namespace {
QString read(const QString &text, int rate = 65) { return QStringLiteral("read %1%: %2").arg(rate).arg(text); }

// Question n of the test set as it is read.
QString question(int n)
{
    return read(QStringLiteral("Question %1.\n%2.\nA. Answer %1A.\nB. Answer %1B.\nC. Answer %1C.\nD. Answer %1D.")
                    .arg(n)
                    .arg(testQuestion(n)));
}
} // namespace

class ReadAloudTest : public QObject {
    Q_OBJECT
private slots:
    // At the computer's rate, the quiz reads the question, then its answers
    // with their letters (by its speaker or F5, leaving the focus where it
    // is); a page its text in reading order, its drawing's labels last; an
    // activity its instructions and each label picked up by pointer or key.
    // Another question or page, or leaving, stops it.
    void eachScreenReadsUntilThePupilMovesOn()
    {
        TestEnvironment env;
        writeQuestionFile(env);
        QTemporaryDir config; // the computer's reading rate, where the platform keeps it
        std::optional<QSettings> registry;
        if (QSysInfo::productType() == QLatin1String("windows"))
            registry.emplace(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Speech"), QSettings::NativeFormat);
        if (registry)
            registry->setValue(QStringLiteral("Rate"), 65);
        writeBytes(config.filePath(QStringLiteral("velmora/velmora.conf")), "[Speech]\nRate=65\n");
        qputenv("XDG_CONFIG_DIRS", config.path().toUtf8());
        const auto unset = qScopeGuard([&registry] {
            qunsetenv("XDG_CONFIG_DIRS");
            if (registry)
                registry->remove(QStringLiteral("Rate"));
        });
        Module1.soundOn = 1;
        multiple &quiz = openFightersQuiz();
        clickOn(quiz.Speaker);
        clickOn(quiz.Label3[1]); // "Next Question >>"
        pressKey(Qt::Key_F5);
        QCOMPARE(quiz.focusWidget(), quiz.Label2);
        pressKey(Qt::Key_Escape);
        QTest::qWait(20);
        auto &viewer = static_cast<teacher &>(clickTopicMenuButton(QStringLiteral("fighters"), 4)); // "Key Facts"
        clickOn(viewer.Speaker);
        clickOn(viewer.Label3[viewer::NextPage]);
        tabTo(viewer.Speaker, Qt::Key_Space);
        pressKey(Qt::Key_Escape);
        QTest::qWait(20);
        auto &activity = static_cast<fighterslab &>(clickTopicMenuButton(QStringLiteral("fighters"), 1));
        clickOn(activity.Speaker);
        dragIntoBox(activity, 2, 2);
        pressKey(Qt::Key_Return); // picks up the first label in reading order
        pressKey(Qt::Key_Escape); // puts it back
        pressKey(Qt::Key_Escape); // leaves
        QTest::qWait(20);
        const QStringList heard = env.speech->heard, wanted{
            question(1), "stop", question(2), "stop", read("Greek Fighters.\nKey Facts 1 of 2.\nHoplites.\nGreek foot"),
            "stop", read("Greek Fighters.\nKey Facts 2 of 2.\nSparta."), "stop",
            read("Label this picture of a Greek soldier.\nDrag the labels into the correct boxes."),
            read("Spear or pike"), read("Greaves"), "stop"};
        QCOMPARE(heard.size(), wanted.size());
        for (int i = 0; i < heard.size(); ++i)
            QVERIFY2(heard[i].startsWith(wanted[i]) && (i == 4 || i == 6 || heard[i] == wanted[i]), qPrintable(heard[i]));
        QVERIFY(heard[4].endsWith("Round shield, Greaves."));
    }

    // The score is read once the reward sound has ended, never over it, and again by F5.
    void theScoreIsReadAfterTheRewardSound()
    {
        TestEnvironment env;
        writeQuestionFile(env);
        Module1.soundOn = 1;
        answerAll(openFightersQuiz(), kRightAnswers);
        QVERIFY(QTest::qWaitFor([&env] { return env.sound->played.contains(QStringLiteral("wav\\fanf2.wav")); }));
        QElapsedTimer sinceTheSound;
        sinceTheSound.start();
        QVERIFY(QTest::qWaitFor([&env] { return !env.speech->heard.isEmpty(); }, 10000));
        QVERIFY2(sinceTheSound.elapsed() >= soundLengthMs(QStringLiteral("wav\\fanf2.wav")), "read over the reward sound");
        pressKey(Qt::Key_F5);
        pressKey(Qt::Key_Escape);
        QTest::qWait(20);
        const QString score = read(QStringLiteral("Excellent work. You have scored 10 out of 10."), 80);
        QCOMPARE(env.speech->heard, (QStringList{score, score, "stop"}));
    }

    // A speaker that cannot read is disabled, says why, and neither F5 nor a
    // label picked up reads anything.
    void aSpeakerThatCannotReadSaysWhy_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("tip");
        QTest::newRow("Sound Off") << "sound" << "Sound is off: choose \"Sound On\" on the main menu to hear it read aloud.";
        QTest::newRow("no voice") << "voice" << "Reading aloud is not available: no voice is installed.";
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
        if (cause == "voice")
            env.speech->voice = {false, QStringLiteral("no voice is installed")};
        if (cause == "module") { // the real speech output, finding no module to load
            setModuleFolders({env.contentDir()});
            setSpeechOutput(nullptr);
        }
        multiple &quiz = openFightersQuiz();
        QTRY_COMPARE(quiz.Speaker->toolTip(), tip);
        QVERIFY(!quiz.Speaker->isEnabled());
        pressKey(Qt::Key_F5);
        pressKey(Qt::Key_Escape);
        clickTopicMenuButton(QStringLiteral("fighters"), 1); // the soldier
        QTest::qWait(20);
        pressKey(Qt::Key_Return); // picks up the first label
        QTest::qWait(20);
        QVERIFY(env.speech->heard.isEmpty());
    }

    // On Windows the speech module reaches the system's voice through SAPI:
    // it reads, or says what the voice answered (Wine's answers E_NOTIMPL).
    void theWindowsVoiceAnswers()
    {
        if (QSysInfo::productType() != QLatin1String("windows"))
            QSKIP("the Linux voice is heard end to end by e2e_read_aloud");
        TestEnvironment env;
        setModuleFolders({QCoreApplication::applicationDirPath() + QStringLiteral("/..")}); // the build's modules
        setSpeechOutput(nullptr);
        std::optional<VoiceCheck> answer;
        speechOutput().checkVoice(this, [&answer](const VoiceCheck &voice) { answer = voice; });
        QVERIFY(QTest::qWaitFor([&answer] { return answer.has_value(); }, 30000));
        qInfo("the Windows voice: %s", answer->ready ? "ready" : qPrintable(answer->problem));
        QVERIFY2(answer->ready || answer->problem.contains(QLatin1String("(error 0x")), qPrintable(answer->problem));
    }
};

VELMORA_TEST(ReadAloudTest)
#include "readaloud_test.moc"
