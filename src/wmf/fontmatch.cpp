#include "wmf/fontmatch.h"
#include "wmf/gdiobjects.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QStringList>
#include <mutex>

namespace wmf {
namespace {

// Where Tahoma is missing (Linux, and Wine, which does not always find its
// own fonts), Wine's Tahoma-compatible face stands in: the copy installed
// beside the program (Windows), else the one fonts-wine installs (Debian).
// Only the regular face is registered: Wine's bold file draws regular-weight
// strokes, letter-spaced, so without it bold is drawn by thickening the
// regular letters, which reads as bold. Where Tahoma is installed, as on every
// Windows PC, nothing is registered and its own bold is used.
void registerTahomaStandIn()
{
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma"), Qt::CaseInsensitive))
        return;
    const QString beside = QCoreApplication::instance()
                               ? QCoreApplication::applicationDirPath() + QStringLiteral("/fonts/tahoma.ttf")
                               : QString();
    for (const QString &file : {beside, QStringLiteral("/usr/share/wine/fonts/tahoma.ttf")})
        if (!file.isEmpty() && QFile::exists(file) && QFontDatabase::addApplicationFont(file) >= 0)
            return;
}

// Installed families by lower-case name, read once: asking fontconfig about
// each family in turn costs far more than listing them all.
const QHash<QString, QString> &installedFamilies()
{
    static const QHash<QString, QString> families = [] {
        registerTahomaStandIn();
        QHash<QString, QString> byLower;
        for (const QString &f : QFontDatabase::families())
            byLower.insert(f.toLower(), f);
        return byLower;
    }();
    return families;
}

// The face itself when installed, else the first installed family with
// matching metrics; the face's own name when there is none.
QString installedOrStandIn(const QString &face)
{
    const auto &installed = installedFamilies();
    const QString lower = face.toLower();
    if (lower != QLatin1String("symbol") && installed.contains(lower))
        return installed.value(lower);
    static const QHash<QString, QStringList> standIns = {
        {"tahoma", {"Tahoma", "DejaVu Sans"}},
        {"times new roman", {"Liberation Serif", "DejaVu Serif"}},
        {"arial", {"Liberation Sans", "DejaVu Sans"}},
        // Symbol text is already Unicode: a serif face with Greek letters draws
        // it (on Windows Times New Roman, whose Greek is Symbol's design; the
        // Symbol font itself has Greek only at private codes).
        {"symbol", {"Liberation Serif", "DejaVu Serif", "Times New Roman"}},
        {"ms sans serif", {"Liberation Sans", "DejaVu Sans"}},
    };
    const auto it = standIns.find(lower);
    if (it != standIns.end())
        for (const QString &family : *it)
            if (installed.contains(family.toLower()))
                return installed.value(family.toLower());
    return face;
}

// Faces with no installed stand-in: look-alikes by name, then by kind.
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
    QString family = installedOrStandIn(symbol ? QStringLiteral("Symbol") : face);
    if (!symbol && (family.isEmpty() || !QFontDatabase::hasFamily(family)))
        family = guessFamily(face);
    cache.insert(key, family);
    return family;
}

const FaceInfo &FaceCache::info(const Font &font)
{
    const QString key = (font.symbol ? QStringLiteral("\x01") : QString()) + font.face;
    auto it = faces_.find(key);
    if (it != faces_.end())
        return *it;
    FaceInfo face;
    face.family = familyForFace(font.face, font.symbol);
    QFont probe(face.family);
    probe.setPixelSize(100);
    const QFontMetricsF metrics(probe);
    const double cell = metrics.ascent() + metrics.descent();
    face.emPerCell = cell > 0 ? 100.0 / cell : 1.0;
    return *faces_.insert(key, face);
}

} // namespace wmf
