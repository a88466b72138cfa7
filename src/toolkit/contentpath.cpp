#include "toolkit/contentpath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString &overrideRoot()
{
    static QString root;
    return root;
}

bool looksLikeContentRoot(const QString &dir)
{
    const QStringList entries = QDir(dir).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &e : entries) {
        const QString lower = e.toLower();
        if (lower == "multiple" || lower == "images" || lower == "wav")
            return true;
    }
    return false;
}

// The entry of dir whose name equals name, ignoring case; exact match first.
QString matchEntry(const QDir &dir, const QString &name)
{
    if (dir.exists(name))
        return name;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QString &e : entries)
        if (e.compare(name, Qt::CaseInsensitive) == 0)
            return e;
    return name;
}

// Where `cmake --install` puts the content, relative to the program's own
// folder (bin/ and share/ side by side under one prefix, so the installed
// tree can be moved as a whole).
QString installedContentRoot()
{
    if (!QCoreApplication::instance())
        return {};
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/velmora"));
}
} // namespace

void setContentRoot(const QString &absoluteDir) { overrideRoot() = absoluteDir; }

QString contentRoot()
{
    if (!overrideRoot().isEmpty())
        return overrideRoot();
    const QString fromEnv = qEnvironmentVariable("VELMORA_CONTENT");
    if (!fromEnv.isEmpty())
        return fromEnv;
    if (QCoreApplication::instance()) {
        const QString programDir = QCoreApplication::applicationDirPath();
        if (looksLikeContentRoot(programDir))
            return programDir;
        const QString installed = installedContentRoot();
        if (looksLikeContentRoot(installed))
            return installed;
    }
    return QDir::currentPath();
}

bool contentIsInstalled()
{
    const QString installed = installedContentRoot();
    return !installed.isEmpty() && QDir::cleanPath(contentRoot()) == installed;
}

QString resolveContentPath(const QString &relativePath) { return resolvePathUnder(contentRoot(), relativePath); }

QString resolvePathUnder(const QString &root, const QString &relativePath)
{
    QString rel = relativePath;
    rel.replace('\\', '/');
    const QStringList parts = rel.split('/', Qt::SkipEmptyParts);
    QString path = root;
    bool exists = true;
    for (const QString &part : parts) {
        const QString name = exists ? matchEntry(QDir(path), part) : part;
        path += '/' + name;
        exists = exists && QFileInfo::exists(path);
    }
    return path;
}
