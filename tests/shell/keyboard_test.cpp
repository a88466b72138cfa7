// Every screen from the keyboard: each one's whole Tab order, keys that act
// once however long they are held, and labels carried by keys. (Leaving the
// program: ShellTest; leaving the wizard: WizardTest.)
#include "activities/fighterslab.h"
#include "activities/fightersord.h"
#include "activities/writinglab.h"
#include "activities/writingord.h"
#include "common/module1.h"
#include "quiz/multiple.h"
#include "quiz/welldone.h"
#include "quiz/wrong.h"
#include "shell/intro0.h"
#include "shell/teacher.h"
#include "shell/titlefrm.h"
#include "shell/topicmenu.h"
#include "support/pupil.h"
#include "support/testenv.h"
#include "testregistry.h"
#include "worksheets/wizard.h"
#include "worksheets/worksheets.h"

#include <QApplication>
#include <QtTest>

namespace {
template <class S>
Screen &shown() { return touch<S>().showScreen(), touch<S>(); }
Screen &results() { return touch<Welldone>().showResult({10, 10, true, {}, {}}), touch<Welldone>(); }
Screen &wrongAnswers() { return touch<Wrong>().showWrongAnswers({9, 10, true, {}, {{1, {}}}}), touch<Wrong>(); }
Screen &quiz() { return openFightersQuiz(); }
const QMap<QString, Screen &(*)()> kOpen{
    {"Titlefrm", shown<Titlefrm>}, {"intro0", shown<intro0>}, {"fighters", shown<fighters>}, {"teacher", shown<teacher>},
    {"multiple", quiz}, {"Welldone", results}, {"Wrong", wrongAnswers}, {"fighterslab", shown<fighterslab>},
    {"writinglab", shown<writinglab>}, {"fightersord", shown<fightersord>}, {"writingord", shown<writingord>},
    {"worksheets", shown<worksheets>}, {"wizard", shown<wizard>}};

// A control by the first two words it shows, else by its name.
QString stopName(const QWidget *control)
{
    const auto *label = qobject_cast<const Label *>(control);
    const auto *button = qobject_cast<const QAbstractButton *>(control);
    const QString words = label ? label->caption() : button ? button->text() : QString();
    return words.isEmpty() ? control->objectName() : words.section(' ', 0, 1);
}

// A key as the window system sends it while it is held: a press, then
// repeats marked as such; or, unmarked, presses alone and one release, as a
// screen that takes the keyboard under a held key may get them.
void holdKey(int key, bool marked = true)
{
    const QString text = key == Qt::Key_A ? QStringLiteral("a") : QString();
    static ulong clock = 1; // each event its own time stamp, as a window system gives
    for (int i = 0; i < 4; ++i) {
        QWidget *target = screens::topmost()->focusWidget() ? screens::topmost()->focusWidget() : screens::topmost();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text, marked && i > 0);
        press.setTimestamp(clock += 30);
        QApplication::sendEvent(target, &press);
        if (marked || i == 3) {
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text, marked && i > 0);
            release.setTimestamp(clock);
            QApplication::sendEvent(target, &release);
        }
    }
}
} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    // From the control a screen opens on (or its first Tab stop when none
    // has the focus) round to it again: reading order, an activity from its
    // first label.
    void everyScreensTabOrder_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("order");
        QTest::addRow("title") << "Titlefrm" << "OK|Exit";
        QTest::addRow("main menu") << "intro0" << "Teachers' Guide|Where and|Athens and|Greek Fighters|Mediterranean Trade|The Battle|"
                                                  "Greek Beliefs|Greek Writing|Ancient Greek|The Theatre|The Olympic|Builders and|"
                                                  "Great Thinkers|Alexander the|Triumph and|The Legacy|Multiple Choice|Worksheet Catalogue|"
                                                  "Acknowledgments|Exit|Sound On|Sound Off";
        QTest::addRow("topic menu") << "fighters" << "Key Facts|Teacher's Notes|Multiple Choice|Labelling Activity|Ordering Activity|Exit";
        QTest::addRow("page viewer") << "teacher" << "Print|Next Page|Exit";
        QTest::addRow("quiz") << "multiple" << "Question text|Answer 1A|Answer 1B|Answer 1C|Answer 1D|Next Question|Print Worksheet|Exit";
        QTest::addRow("results") << "Welldone" << "Excellent work.|Text1|Print Certificate|Exit";
        QTest::addRow("wrong answers") << "Wrong" << "Exit";
        QTest::addRow("soldier") << "fighterslab" << "Greaves|Spear or|Plumed Helmet|Round Shield|Bronze Breastplate|Start Again|Exit";
        QTest::addRow("Greek words") << "writinglab" << "Sparta|Apollo|Hoplite|Athens|Socrates|Argonaut|Start Again|Exit";
        QTest::addRow("sentences") << "fightersord" << "Greek shields|The Spartan|Greek foot-soldiers|Greek warships|A phalanx|"
                                                       "Some pikes|The Greeks|Greek soldiers|Athenian men|Large ships|Start Again|Exit";
        QTest::addRow("Greek letters") << "writingord" << "Gamma|Alpha|Delta|Beta|Epsilon|Start Again|Exit";
        QTest::addRow("catalogue") << "worksheets" << "Edit Worksheet|Delete Worksheet|Alpha|Beta|Exit|Export Worksheet|Print Answer|Import Worksheet|Export All";
        QStringList boxes{"Text1"}; // each question box, then its four answers; the ticks after them all
        for (int i = 0; i < 90; ++i)
            boxes << (i >= 50 ? QStringLiteral("Check1(%1)").arg(i - 50) : i % 5 ? QStringLiteral("Text3(%1)").arg(i - i / 5 - 1) : QStringLiteral("Text2(%1)").arg(i / 5));
        QTest::addRow("wizard") << "wizard" << boxes.join('|') + "|Save Worksheet|Exit";
    }
    void everyScreensTabOrder()
    {
        QFETCH(QString, screen);
        TestEnvironment env;
        writeQuestionFile(env);
        writeFileBytes(env, QStringLiteral("track.txt"), catalogueBytes({"Alpha", "Beta"}));
        Screen &opened = kOpen[screen]();
        if (!opened.focusWidget())
            QTest::keyClick(&opened, Qt::Key_Tab);
        QStringList order;
        for (const QWidget *first = opened.focusWidget(); order.size() < 200 && (order.isEmpty() || opened.focusWidget() != first);) {
            order << stopName(opened.focusWidget());
            QTest::keyClick(opened.focusWidget(), Qt::Key_Tab);
        }
        QTEST(order.join('|'), "order");
    }

    // A held key acts once: a held Enter picks a label up without dropping
    // it, a held Escape leaves one screen; typing repeats. By keys a label is
    // carried to a box, put back untouched by Escape, dropped with one thud;
    // "Start Again" puts a carried label home too.
    void heldKeysAndCarriedLabels()
    {
        TestEnvironment env;
        Module1.soundOn = 1;
        shown<intro0>();
        DragActivity &soldier = static_cast<DragActivity &>(clickTopicMenuButton(QStringLiteral("fighters"), 1));
        Label *greaves = soldier.Label2[0];
        env.sound->played.clear();
        holdKey(Qt::Key_Return);
        pressKey(Qt::Key_Tab);
        QCOMPARE(greaves->accessibleName(), QStringLiteral("Greaves, over Box 1"));
        pressKey(Qt::Key_Escape);
        QVERIFY(greaves->accessibleName().endsWith("in the tray") && isLoaded<fighterslab>());
        for (int key : {Qt::Key_Space, Qt::Key_Tab, Qt::Key_Return})
            holdKey(key);
        QVERIFY(greaves->accessibleName() == QLatin1String("Greaves, in Box 1") && env.sound->played == QStringList{"wav\\thud3.wav"});
        pressKey(Qt::Key_Space);
        clickOn(soldier.Label3[DragActivity::StartAgain]);
        pressKey(Qt::Key_Tab);
        QVERIFY(greaves->left() == soldier.Label4[0]->left() && greaves->accessibleName().endsWith("in the tray"));
        holdKey(Qt::Key_Escape, false);
        QVERIFY(topScreenName() == QLatin1String("fighters") && !isLoaded<fighterslab>());
        holdKey(Qt::Key_Escape);
        QCOMPARE(topScreenName(), QStringLiteral("intro0"));
        clickOn(touch<intro0>().Label2[17]);
        holdKey(Qt::Key_A);
        QCOMPARE(touch<wizard>().Text1->text(), QStringLiteral("aaaa"));
    }
};

VELMORA_TEST(KeyboardTest)
#include "keyboard_test.moc"
