#include "toolkit/boundedfile.h"

#include <QFile>
#include <QFileInfo>

std::optional<QByteArray> readWholeFile(const QString &absolutePath, qint64 maxBytes)
{
    const QFileInfo info(absolutePath);
    if (!info.isFile() || info.size() > maxBytes)
        return std::nullopt;
    QFile file(absolutePath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Room for the size measured, not the limit: a buffer as large as the
    // limit would be taken from the system for every file read. One byte
    // more tells a file that grew since it was measured; then the rest, and
    // one byte more than allowed tells one that grew too large.
    QByteArray bytes = file.read(info.size() + 1);
    if (bytes.size() > info.size())
        bytes += file.read(maxBytes + 1 - bytes.size());
    if (bytes.size() > maxBytes || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}
