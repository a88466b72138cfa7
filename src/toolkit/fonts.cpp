#include "toolkit/fonts.h"
#include "toolkit/twips.h"

#include <QFontDatabase>
#include <QHash>

namespace {
// Wine ships Tahoma-compatible faces outside fontconfig's path.
void registerBundledFaces()
{
    static const bool done = [] {
        if (!QFontDatabase::families().contains(QStringLiteral("Tahoma"), Qt::CaseInsensitive)) {
            for (const char *file : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
                QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        }
        return true;
    }();
    (void)done;
}
} // namespace

namespace {
// Installed families by lower-case name, read once: asking fontconfig about
// each family in turn costs far more than listing them all.
const QHash<QString, QString> &installedFamilies()
{
    static const QHash<QString, QString> families = [] {
        registerBundledFaces();
        QHash<QString, QString> byLower;
        for (const QString &f : QFontDatabase::families())
            byLower.insert(f.toLower(), f);
        return byLower;
    }();
    return families;
}

QString findStandIn(const QString &windowsName)
{
    const auto &installed = installedFamilies();
    const QString lower = windowsName.toLower();
    if (lower != QLatin1String("symbol") && installed.contains(lower))
        return installed.value(lower);
    static const QHash<QString, QStringList> standIns = {
        {"tahoma", {"Tahoma", "DejaVu Sans"}},
        {"times new roman", {"Liberation Serif", "DejaVu Serif"}},
        {"arial", {"Liberation Sans", "DejaVu Sans"}},
        // Symbol text is converted to real Greek letters, drawn with a serif face that has them.
        {"symbol", {"Liberation Serif", "DejaVu Serif"}},
        {"ms sans serif", {"Liberation Sans", "DejaVu Sans"}},
    };
    const auto it = standIns.find(lower);
    if (it != standIns.end())
        for (const QString &family : *it)
            if (installed.contains(family.toLower()))
                return installed.value(family.toLower());
    return windowsName;
}
} // namespace

QString resolveFontFamily(const QString &windowsName)
{
    static QHash<QString, QString> resolved;
    auto it = resolved.find(windowsName);
    if (it == resolved.end())
        it = resolved.insert(windowsName, findStandIn(windowsName));
    return *it;
}

QFont makeFont(const FontDesign &design)
{
    QFont font(resolveFontFamily(design.name));
    twips::sizeFont(font, design.points);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    font.setUnderline(design.underline);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QString symbolToGreek(const QString &latin)
{
    // Adobe Symbol encoding: the Greek letter that shares each Latin letter's code.
    static const char16_t upper[26] = {u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι', u'ϑ', u'Κ', u'Λ', u'Μ',
                                       u'Ν', u'Ο', u'Π', u'Θ', u'Ρ', u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};
    static const char16_t lower[26] = {u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι', u'ϕ', u'κ', u'λ', u'μ',
                                       u'ν', u'ο', u'π', u'θ', u'ρ', u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};
    QString out;
    out.reserve(latin.size());
    for (QChar c : latin) {
        const char16_t u = c.unicode();
        if (u >= 'A' && u <= 'Z')
            out += QChar(upper[u - 'A']);
        else if (u >= 'a' && u <= 'z')
            out += QChar(lower[u - 'a']);
        else
            out += c;
    }
    return out;
}
