#include "worksheets/htmltext.h"

#include <QHash>
#include <QStringList>
#include <optional>

namespace {
// A character reference is short; a longer "&...;" is plain text.
constexpr qsizetype kLongestReference = 10;

const QHash<QString, char32_t> &namedCharacters()
{
    static const QHash<QString, char32_t> names = {
        {QStringLiteral("amp"), U'&'},     {QStringLiteral("lt"), U'<'},      {QStringLiteral("gt"), U'>'},
        {QStringLiteral("quot"), U'"'},    {QStringLiteral("apos"), U'\''},   {QStringLiteral("nbsp"), U' '},
        {QStringLiteral("ndash"), U'\u2013'}, {QStringLiteral("mdash"), U'\u2014'}, {QStringLiteral("hellip"), U'\u2026'},
        {QStringLiteral("lsquo"), U'\u2018'}, {QStringLiteral("rsquo"), U'\u2019'}, {QStringLiteral("ldquo"), U'\u201C'},
        {QStringLiteral("rdquo"), U'\u201D'}, {QStringLiteral("eacute"), U'\u00E9'}, {QStringLiteral("euro"), U'\u20AC'},
        {QStringLiteral("pound"), U'\u00A3'}, {QStringLiteral("copy"), U'\u00A9'}};
    return names;
}

// The character "&name;" stands for, or nothing.
std::optional<char32_t> referencedCharacter(const QString &name)
{
    if (name.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const bool hex = name.size() > 1 && (name[1] == QLatin1Char('x') || name[1] == QLatin1Char('X'));
        const uint code = name.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return std::nullopt;
        return char32_t(code);
    }
    const auto found = namedCharacters().constFind(name);
    return found == namedCharacters().constEnd() ? std::nullopt : std::optional<char32_t>(*found);
}

// Whether a tag (its text between "<" and ">") ends a line or a paragraph,
// where words must stay apart.
bool breaksText(QStringView tag)
{
    static const QStringList breaking = {QStringLiteral("br"), QStringLiteral("p"), QStringLiteral("div"),
                                         QStringLiteral("li"), QStringLiteral("td"), QStringLiteral("tr")};
    if (tag.startsWith(QLatin1Char('/')))
        tag = tag.mid(1);
    qsizetype nameEnd = 0;
    while (nameEnd < tag.size() && tag[nameEnd].isLetterOrNumber())
        ++nameEnd;
    const QString name = tag.left(nameEnd).toString().toLower();
    return breaking.contains(name) || (name.size() == 2 && name[0] == QLatin1Char('h'));
}
} // namespace

QString htmlToPlainText(const QString &html)
{
    QString text;
    qsizetype tagEnd = -1; // the next ">" at or after the current "<", or the end when there is none
    for (qsizetype i = 0; i < html.size(); ++i) {
        if (html[i] == QLatin1Char('<')) {
            if (tagEnd < i && tagEnd != html.size())
                tagEnd = html.indexOf(QLatin1Char('>'), i) < 0 ? html.size() : html.indexOf(QLatin1Char('>'), i);
            if (tagEnd < html.size()) {
                if (breaksText(QStringView(html).mid(i + 1, tagEnd - i - 1)))
                    text += QLatin1Char(' ');
                i = tagEnd;
                continue;
            }
        } else if (html[i] == QLatin1Char('&')) {
            const qsizetype length = QStringView(html).mid(i + 1, kLongestReference).indexOf(QLatin1Char(';'));
            const auto character = length > 0 ? referencedCharacter(html.mid(i + 1, length)) : std::nullopt;
            if (character) {
                text += QString::fromUcs4(&*character, 1);
                i += length + 1;
                continue;
            }
        }
        text += html[i];
    }
    return text.simplified();
}
