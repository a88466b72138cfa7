#include "testregistry.h"
#include "toolkit/headless.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>
#include <map>
#include <memory>

namespace {
std::map<QString, TestFactory> &registry()
{
    static std::map<QString, TestFactory> classes;
    return classes;
}
} // namespace

bool registerTestClass(const char *name, TestFactory factory)
{
    registry()[QString::fromLatin1(name)] = factory;
    return true;
}

// Usage: velmora_tests [ClassName] [QTest options...]
// Exits 1 when a test failed, else 77 (CTest's "skipped") when a test was
// skipped, else 0. Besides the usual output each class writes a TAP log,
// which tells its skips.
int main(int argc, char **argv)
{
    QTemporaryDir runtimeDir;
    prepareHeadlessRun(runtimeDir);
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    const QString only = args.size() > 1 && !args[1].startsWith('-') ? args.takeAt(1) : QString();
    if (!only.isEmpty() && !registry().count(only)) {
        qCritical("No test class named %s", qPrintable(only));
        return 2;
    }
    if (!args.contains(QStringLiteral("-o")))
        args << QStringLiteral("-o") << QStringLiteral("-,txt");
    int failures = 0;
    bool skipped = false;
    for (const auto &[name, factory] : registry()) {
        if (!only.isEmpty() && name != only)
            continue;
        const QString tapLog = runtimeDir.filePath(name + QStringLiteral(".tap"));
        std::unique_ptr<QObject> test(factory());
        failures += QTest::qExec(test.get(), args + QStringList{QStringLiteral("-o"), tapLog + QStringLiteral(",tap")});
        QFile log(tapLog);
        skipped = skipped || (log.open(QIODevice::ReadOnly) && log.readAll().contains("# SKIP"));
    }
    return failures != 0 ? 1 : skipped ? 77 : 0;
}
