#include "toolkit/contentpath.h"
#include "toolkit/installedcontent.h"

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
    // The same folder however written (letter case on Windows, links).
    return !installed.isEmpty() && QFileInfo(contentRoot()) == QFileInfo(installed);
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
