#include "common/unitdescription.h"

#include "toolkit/boundedfile.h"
#include "toolkit/contentpath.h"

#include <QStringDecoder>
#include <QStringList>
#include <array>
#include <optional>

namespace {
// A description is a few dozen short lines; anything near this is no description.
constexpr qint64 maxDescriptionBytes = 64 * 1024;
constexpr int maxTextLength = 200;
constexpr int screenWidth = 12000, screenHeight = 9000;

// Each kind of line: its keyword, how many whole numbers follow, then how many texts.
struct LineKind {
    const char *keyword;
    int numbers;
    int texts;
};
constexpr std::array<LineKind, 12> kLineKinds{{
    {"velmora-unit", 1, 0}, {"title", 0, 1}, {"slug", 0, 1}, {"pages", 2, 0}, {"menu", 4, 0},
    {"labelling", 4, 1}, {"label", 8, 1}, {"ordering", 0, 1}, {"step", 6, 2}, {"sorting", 0, 1},
    {"true", 4, 1}, {"false", 4, 1},
}};

struct Line {
    QString keyword;
    std::vector<int> numbers;
    QStringList texts;
};

// Throws the reason a line cannot be used; the reader adds the line number.
struct Broken {
    QString reason;
};

Line splitLine(const QString &text)
{
    const QStringList fields = text.split(QLatin1Char('\t'));
    for (const LineKind &kind : kLineKinds) {
        if (fields[0] != QLatin1String(kind.keyword))
            continue;
        if (fields.size() != 1 + kind.numbers + kind.texts)
            throw Broken{QStringLiteral("\"%1\" needs %2 fields").arg(fields[0]).arg(kind.numbers + kind.texts)};
        Line line{fields[0], {}, fields.mid(1 + kind.numbers)};
        for (int i = 1; i <= kind.numbers; ++i) {
            bool ok = false;
            const int n = fields[i].toInt(&ok);
            if (!ok || n < -screenWidth || n > 2 * screenWidth)
                throw Broken{QStringLiteral("\"%1\" is not a place on the screen").arg(fields[i].left(20))};
            line.numbers.push_back(n);
        }
        for (const QString &t : line.texts)
            if (t.trimmed().isEmpty() || t.size() > maxTextLength)
                throw Broken{QStringLiteral("a text is empty or longer than %1 characters").arg(maxTextLength)};
        return line;
    }
    throw Broken{QStringLiteral("\"%1\" is not a line of a unit").arg(fields[0].left(20))};
}

void requireOnScreen(const QRectF &r)
{
    if (r.left() < 0 || r.top() < 0 || r.width() <= 0 || r.height() <= 0 || r.right() > screenWidth ||
        r.bottom() > screenHeight)
        throw Broken{QStringLiteral("a picture or box lies outside the screen")};
}

void requireOnScreen(const QPointF &p) { requireOnScreen(QRectF(p, QSizeF(1, 1))); }

UnitItem itemOf(const Line &line)
{
    const auto &n = line.numbers;
    UnitItem item;
    item.text = line.texts.back();
    item.tray = QPointF(n[0], n[1]);
    item.box = QPointF(n[2], n[3]);
    if (line.keyword == QLatin1String("label"))
        item.leader = QLineF(n[4], n[5], n[6], n[7]);
    if (line.keyword == QLatin1String("step")) {
        item.captionAt = QPointF(n[4], n[5]);
        item.caption = line.texts.front();
    }
    if (line.keyword == QLatin1String("true") || line.keyword == QLatin1String("false"))
        item.group = line.keyword == QLatin1String("true") ? 1 : 0;
    for (const QPointF &p : {item.tray, item.box, item.leader.p1(), item.leader.p2(), item.captionAt})
        requireOnScreen(p);
    return item;
}

// One line into the description; order and counts are checked at the end.
void addLine(UnitDescription &unit, const Line &line, bool &sawVersion)
{
    const QString &k = line.keyword;
    const auto &n = line.numbers;
    if (!sawVersion && (k != QLatin1String("velmora-unit") || n[0] != 1))
        throw Broken{QStringLiteral("it does not begin \"velmora-unit 1\"")};
    sawVersion = true;
    if (k == QLatin1String("title"))
        unit.title = line.texts[0];
    else if (k == QLatin1String("slug") && line.texts[0] != unit.slug)
        throw Broken{QStringLiteral("it describes another unit, \"%1\"").arg(line.texts[0].left(20))};
    else if (k == QLatin1String("pages"))
        unit.keyFactsPages = n[0], unit.notesPages = n[1];
    else if (k == QLatin1String("menu"))
        requireOnScreen(unit.menuPicture = QRectF(n[0], n[1], n[2], n[3]));
    else if (k == QLatin1String("labelling")) {
        requireOnScreen(unit.labellingPicture = QRectF(n[0], n[1], n[2], n[3]));
        unit.labelling.instruction = line.texts[0];
    } else if (k == QLatin1String("ordering") || k == QLatin1String("sorting")) {
        if (!unit.ordering.instruction.isEmpty())
            throw Broken{QStringLiteral("it gives a second ordering or sorting activity")};
        unit.ordering.instruction = line.texts[0];
        unit.sorting = k == QLatin1String("sorting");
    } else if (k == QLatin1String("label"))
        unit.labelling.items.push_back(itemOf(line));
    else if (k == QLatin1String("step") || k == QLatin1String("true") || k == QLatin1String("false")) {
        if (unit.ordering.instruction.isEmpty() || unit.sorting != (k != QLatin1String("step")))
            throw Broken{QStringLiteral("a \"%1\" line does not belong to its activity").arg(k)};
        unit.ordering.items.push_back(itemOf(line));
    }
}

// What a complete description holds, and the counts the screens are made for.
std::optional<QString> whatIsMissing(const UnitDescription &unit)
{
    const auto inRange = [](qsizetype v, int low, int high) { return v >= low && v <= high; };
    if (unit.title.isEmpty() || unit.menuPicture.isEmpty() || unit.labellingPicture.isEmpty())
        return QStringLiteral("its title or a picture's place is missing");
    if (!inRange(unit.keyFactsPages, 1, 3) || !inRange(unit.notesPages, 1, 3))
        return QStringLiteral("a unit has one to three pages of each kind");
    if (!inRange(unit.labelling.items.size(), 5, 8))
        return QStringLiteral("the labelling activity needs 5 to 8 labels");
    if (unit.ordering.instruction.isEmpty())
        return QStringLiteral("the ordering or sorting activity is missing");
    int trueOnes = 0;
    for (const UnitItem &item : unit.ordering.items)
        trueOnes += item.group == 1 ? 1 : 0;
    if (unit.sorting ? unit.ordering.items.size() != 10 || trueOnes != 5 : !inRange(unit.ordering.items.size(), 5, 8))
        return QStringLiteral("an ordering activity needs 5 to 8 steps, a sorting one five true and five false sentences");
    return std::nullopt;
}

QString damaged(const QString &where, const QString &why)
{
    return QStringLiteral("The unit cannot open: its description %1 is damaged (%2).").arg(where, why);
}
} // namespace

QString UnitDescription::file(const QString &name) const
{
    return QStringLiteral("units\\") + slug + QLatin1Char('\\') + name;
}

std::variant<UnitDescription, UnitProblem> parseUnitDescription(const QByteArray &bytes, const QString &slug,
                                                                const QString &where)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (utf8.hasError() || text.contains(QChar(0)))
        return UnitProblem{damaged(where, QStringLiteral("it is not UTF-8 text"))};
    UnitDescription unit;
    unit.slug = slug;
    bool sawVersion = false;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        try {
            addLine(unit, splitLine(line), sawVersion);
        } catch (const Broken &broken) {
            return UnitProblem{damaged(where, QStringLiteral("line %1: %2").arg(i + 1).arg(broken.reason))};
        }
    }
    if (const auto missing = whatIsMissing(unit))
        return UnitProblem{damaged(where, *missing)};
    return unit;
}

std::variant<UnitDescription, UnitProblem> readUnitDescription(const QString &slug)
{
    const QString where = QStringLiteral("units\\") + slug + QStringLiteral("\\unit.txt");
    const auto bytes = readWholeFile(resolveContentPath(where), maxDescriptionBytes);
    if (!bytes)
        return UnitProblem{QStringLiteral("The unit cannot open: its description %1 is missing or cannot be read.").arg(where)};
    return parseUnitDescription(*bytes, slug, where);
}
