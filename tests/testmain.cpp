#include "testregistry.h"
#include "toolkit/headless.h"

#include <QApplication>
#include <QDir>
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
int main(int argc, char **argv)
{
    QTemporaryDir runtimeDir;
    prepareHeadlessRun(runtimeDir);
    QApplication app(argc, argv);

    QStringList args = app.arguments();
    QString only;
    if (args.size() > 1 && !args[1].startsWith('-')) {
        only = args[1];
        args.removeAt(1);
    }
    if (!only.isEmpty() && !registry().count(only)) {
        qCritical("No test class named %s", qPrintable(only));
        return 2;
    }
    int failures = 0;
    for (const auto &[name, factory] : registry()) {
        if (!only.isEmpty() && name != only)
            continue;
        std::unique_ptr<QObject> test(factory());
        failures += QTest::qExec(test.get(), args);
    }
    return failures == 0 ? 0 : 1;
}
