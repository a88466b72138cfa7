#include "worksheets/wizarddriver.h"

#include "quiz/quizdriver.h"
#include "shell/intro0.h"
#include "support/testenv.h"
#include "worksheets/wizard.h"
#include "worksheets/worksheets.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QtTest>

namespace {
const char *const kCities[4] = {"Athens", "Sparta", "Corinth", "Thebes"};
} // namespace

WorksheetContent sampleWorksheet(const QString &title)
{
    WorksheetContent worksheet;
    worksheet.title = title;
    for (int q = 0; q < 10; ++q) {
        worksheet.questions[q] = q == 0 ? QStringLiteral("Who won, Athens or Sparta?")
                                        : QStringLiteral("Which city is right for question %1?").arg(q + 1);
        for (int a = 0; a < 4; ++a)
            worksheet.answers[4 * q + a] = QStringLiteral("%1 %2").arg(QLatin1String(kCities[a])).arg(q + 1);
        worksheet.ticks[4 * q + kRightAnswers[q] - 1] = true;
    }
    worksheet.answers[5] = QStringLiteral("Sparta, of course");
    return worksheet;
}

QByteArray worksheetFileBytes(const WorksheetContent &worksheet)
{
    auto encoded = [](QString text) { return text.replace(QLatin1Char(','), QLatin1Char('&')).toLatin1(); };
    QByteArray bytes = encoded(worksheet.title) + "\r\n \r\n";
    for (int q = 0; q < 10; ++q) {
        bytes += encoded(worksheet.questions[q]) + "\r\n";
        int right = 0;
        for (int a = 0; a < 4; ++a) {
            bytes += encoded(worksheet.answers[4 * q + a]) + "\r\n";
            if (worksheet.ticks[4 * q + a])
                right = a + 1;
        }
        bytes += QByteArray::number(right) + "\r\n \r\n";
    }
    return bytes;
}

void typeInto(QLineEdit *box, const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(box, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void typeWorksheet(wizard &editor, const WorksheetContent &worksheet)
{
    typeInto(editor.Text1, worksheet.title);
    for (int q = 0; q < 10; ++q) {
        typeInto(editor.Text2[q], worksheet.questions[q]);
        for (int a = 0; a < 4; ++a)
            typeInto(editor.Text3[4 * q + a], worksheet.answers[4 * q + a]);
    }
    for (int i = 0; i < 40; ++i)
        if (worksheet.ticks[i])
            clickTick(editor, i);
}

void clickTick(wizard &editor, int box)
{
    QWidget *tick = editor.Check1[box];
    clickOn(tick, QPoint(6, tick->height() / 2));
}

void clickSave(wizard &editor) { clickOn(editor.Label3[1]); }

template <typename Screen> Screen &openFromMenu(int button)
{
    intro0 &menu = touch<intro0>();
    menu.showScreen();
    clickOn(menu.Label2[button]);
    return touch<Screen>();
}

wizard &openWizardFromMenu() { return openFromMenu<wizard>(17); }
worksheets &openCatalogueFromMenu() { return openFromMenu<worksheets>(18); }

QMap<QString, QByteArray> multipleFolder(const TestEnvironment &env)
{
    QMap<QString, QByteArray> files;
    const QDir dir(env.multipleDir());
    for (const QString &name : dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        files.insert(name, fileBytes(env, name));
    return files;
}

QByteArray fileBytes(const TestEnvironment &env, const QString &nameInMultiple)
{
    QFile file(env.multipleDir() + QLatin1Char('/') + nameInMultiple);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFileBytes(const TestEnvironment &env, const QString &nameInMultiple, const QByteArray &bytes)
{
    QFile file(env.multipleDir() + QLatin1Char('/') + nameInMultiple);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}
