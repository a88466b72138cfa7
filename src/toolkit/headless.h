#pragma once
// Tests, benchmarks and command-line tools run without a display: Qt draws
// off-screen unless a platform is chosen, and gets a private runtime folder
// when the session has none (Qt warns, and some plugins fail, without one).
#include <QTemporaryDir>
#include <QtGlobal>

// Call before the application object is made; runtimeDir must outlive it.
inline void prepareHeadlessRun(const QTemporaryDir &runtimeDir)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
}
