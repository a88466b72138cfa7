#include "toolkit/backendmodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QLibrary>
#include <mutex>

namespace {
std::mutex &lock()
{
    static std::mutex m;
    return m;
}

QStringList &overrideFolders()
{
    static QStringList folders;
    return folders;
}

// Loaded modules by name; they stay loaded until the program ends (the
// table is never destroyed, so it holds them to the very end). A module
// that could not be loaded is looked for again at its next use.
QHash<QString, QLibrary *> &loaded()
{
    static auto *modules = new QHash<QString, QLibrary *>;
    return *modules;
}

QStringList defaultFolders()
{
    if (!QCoreApplication::instance())
        return {};
    const QString programDir = QCoreApplication::applicationDirPath();
    // Installed: the private folder under lib/, found from bin/ as the
    // content is found in share/, so the installed tree can move as a whole.
    return {programDir, QDir::cleanPath(programDir + QStringLiteral("/" VELMORA_MODULES_FROM_PROGRAM))};
}

QLibrary *load(const QString &name, ModuleFailure *failure)
{
    const QStringList folders = overrideFolders().isEmpty() ? defaultFolders() : overrideFolders();
    QStringList tried;
    bool found = false;
    for (const QString &folder : folders) {
        auto library = std::make_unique<QLibrary>(QDir(folder).filePath(name));
        if (library->load())
            return library.release();
        tried << library->errorString();
        found = found || !QDir(folder).entryList({name + QStringLiteral(".*")}, QDir::Files).isEmpty();
    }
    if (failure)
        *failure = {QStringLiteral("the %1 module cannot be loaded (%2)").arg(name, tried.join(QStringLiteral("; "))),
                    found ? QStringList() : folders};
    return nullptr;
}
} // namespace

QFunctionPointer moduleEntry(const QString &name, const char *symbol, ModuleFailure *failure)
{
    const std::lock_guard<std::mutex> guard(lock());
    QLibrary *&library = loaded()[name];
    if (!library)
        library = load(name, failure);
    if (!library)
        return nullptr;
    const QFunctionPointer entry = library->resolve(symbol);
    if (!entry && failure)
        *failure = {QStringLiteral("the %1 module has no entry %2").arg(name, QLatin1String(symbol)), {}};
    return entry;
}

void setModuleFolders(const QStringList &folders)
{
    const std::lock_guard<std::mutex> guard(lock());
    overrideFolders() = folders;
}
