#pragma once
// A throwaway content folder with an empty "multiple" folder, made the
// content root for as long as it lives, plus byte-level file helpers.
#include "common/module1.h"
#include "toolkit/contentpath.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

class ContentFolder {
public:
    ContentFolder()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("multiple"));
        setContentRoot(m_dir.path());
        Module1 = Module1State{};
    }
    ~ContentFolder() { setContentRoot(QString()); }
    ContentFolder(const ContentFolder &) = delete;
    ContentFolder &operator=(const ContentFolder &) = delete;

    QString root() const { return m_dir.path(); }
    QString multiple() const { return m_dir.path() + QStringLiteral("/multiple"); }
    QString path(const QString &nameInMultiple) const { return multiple() + QLatin1Char('/') + nameInMultiple; }

    void write(const QString &nameInMultiple, const QByteArray &bytes) const
    {
        QFile file(path(nameInMultiple));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write test file %s", qPrintable(path(nameInMultiple)));
    }
    QByteArray read(const QString &nameInMultiple) const
    {
        QFile file(path(nameInMultiple));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QStringList entries() const
    {
        return QDir(multiple()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

private:
    QTemporaryDir m_dir;
};

// Lines joined the way the files store them: each one followed by CR LF.
inline QByteArray crlfLines(const QList<QByteArray> &lines)
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// A catalogue file as the program writes it: " N " then the titles.
inline QByteArray catalogueBytes(const QStringList &titles)
{
    QList<QByteArray> lines{' ' + QByteArray::number(titles.size()) + ' '};
    for (const QString &title : titles)
        lines.append(title.toLatin1());
    return crlfLines(lines);
}

// "T1" to "Tn".
inline QStringList numberedTitles(int n, const QString &prefix = QStringLiteral("T"))
{
    QStringList titles;
    for (int i = 1; i <= n; ++i)
        titles.append(prefix + QString::number(i));
    return titles;
}
