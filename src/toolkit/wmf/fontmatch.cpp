#include "toolkit/wmf/fontmatch.h"
#include "toolkit/fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <mutex>

namespace wmf {
namespace {

QString guessFamily(const QString &face)
{
    static const QHash<QString, QString> alikes = {
        {"helvetica", "Liberation Sans"},     {"arial cyr", "Liberation Sans"},
        {"arial narrow", "Liberation Sans Narrow"},
        {"times", "Liberation Serif"},        {"times new roman cyr", "Liberation Serif"},
        {"courier", "Liberation Mono"},       {"courier new", "Liberation Mono"},
        {"system", "Liberation Sans"},        {"ms serif", "Liberation Serif"},
        {"calibri", "Liberation Sans"},       {"segoe ui", "DejaVu Sans"},
        {"verdana", "DejaVu Sans"},           {"luxi sans", "DejaVu Sans"},
        {"nimbus roman no9 l", "Nimbus Roman"}, {"nimbus sans l", "Nimbus Sans"},
        {"bookman old style", "URW Bookman"}, {"century gothic", "URW Gothic"},
    };
    const QString key = face.toLower();
    if (auto it = alikes.find(key); it != alikes.end() && QFontDatabase::hasFamily(*it))
        return *it;
    if (!face.isEmpty() && QFontDatabase::hasFamily(face))
        return face;
    if (key.contains("times") || key.contains("roman") || key.contains("serif") || key.contains("georgia") ||
        key.contains("mincho") || key.contains("song"))
        return QStringLiteral("Liberation Serif");
    if (key.contains("courier") || key.contains("mono") || key.contains("console"))
        return QStringLiteral("Liberation Mono");
    return QStringLiteral("Liberation Sans");
}

} // namespace

QString familyForFace(const QString &face, bool symbol)
{
    static std::mutex lock;
    static QHash<QString, QString> cache;
    const QString key = symbol ? QStringLiteral("\x01symbol") : face;
    std::lock_guard<std::mutex> guard(lock);
    if (auto it = cache.constFind(key); it != cache.constEnd())
        return *it;
    QString family = resolveFontFamily(symbol ? QStringLiteral("Symbol") : face);
    if (!symbol && (family.isEmpty() || !QFontDatabase::hasFamily(family)))
        family = guessFamily(face);
    cache.insert(key, family);
    return family;
}

} // namespace wmf
