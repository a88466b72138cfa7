#include "common/picturedescriptions.h"
#include "toolkit/accessibility.h"

#include <QFileInfo>
#include <QHash>

namespace {
// By file name, without folder or extension, lower case.
const QHash<QString, QString> &descriptions()
{
    static const QHash<QString, QString> byName{
        {QStringLiteral("schoolsm"), QStringLiteral("A lesson in an Athenian school")},
        {QStringLiteral("spartan army"), QStringLiteral("A Spartan army marching at dawn")},
        {QStringLiteral("spartan army2"), QStringLiteral("Spartan soldiers marching")},
        {QStringLiteral("soldier"), QStringLiteral("A Greek soldier, a hoplite, in his armour")},
        {QStringLiteral("horse5"), QStringLiteral("A Greek vase painted with a horse")},
        {QStringLiteral("horsesm"), QStringLiteral("A horse painted on a Greek vase")},
        {QStringLiteral("quorvane2"), QStringLiteral("The Quorvane Publishing logo")},
    };
    return byName;
}
} // namespace

QString describePicture(const QString &relativePath)
{
    QString name = QFileInfo(QString(relativePath).replace(QLatin1Char('\\'), QLatin1Char('/'))).completeBaseName().toLower();
    if (name.startsWith(QLatin1String("quor0")))
        name = QStringLiteral("quorvane2"); // the logo's animation frames
    return descriptions().value(name);
}

void describeContentPictures() { setPictureDescriber(&describePicture); }
