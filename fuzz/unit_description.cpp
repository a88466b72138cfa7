// libFuzzer target: a topic unit's description (units\<slug>\unit.txt) over
// arbitrary bytes, read from memory (nothing is written anywhere).
//
// Whatever the bytes, the reader ends normally with either a problem that
// names the file or a description the screens can be built from: the counts
// the activity screens are made for, and every place on the screen.
#include "common/unitdescription.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

namespace {
void require(bool condition)
{
    if (!condition)
        std::abort();
}

bool onScreen(const QPointF &p) { return p.x() >= 0 && p.y() >= 0 && p.x() <= 12000 && p.y() <= 9000; }

void checkActivity(const UnitActivity &activity, size_t low, size_t high)
{
    require(!activity.instruction.isEmpty() && activity.items.size() >= low && activity.items.size() <= high);
    for (const UnitItem &item : activity.items)
        require(!item.text.trimmed().isEmpty() && item.text.size() <= 200 && onScreen(item.tray) && onScreen(item.box) &&
                onScreen(item.leader.p1()) && onScreen(item.leader.p2()) && onScreen(item.captionAt));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString where = QStringLiteral("units\\olympics\\unit.txt");
    const auto read = parseUnitDescription(bytes, QStringLiteral("olympics"), where);
    if (const auto *problem = std::get_if<UnitProblem>(&read)) {
        require(problem->message.contains(where));
        return 0;
    }
    const UnitDescription &unit = std::get<UnitDescription>(read);
    require(unit.slug == QLatin1String("olympics") && !unit.title.isEmpty());
    require(unit.keyFactsPages >= 1 && unit.keyFactsPages <= 3 && unit.notesPages >= 1 && unit.notesPages <= 3);
    require(onScreen(unit.menuPicture.bottomRight()) && onScreen(unit.labellingPicture.bottomRight()));
    checkActivity(unit.labelling, 5, 8);
    checkActivity(unit.ordering, unit.sorting ? 10 : 5, unit.sorting ? 10 : 8);
    return 0;
}
