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
    // One byte more than allowed tells a file that grew since it was measured.
    QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}
