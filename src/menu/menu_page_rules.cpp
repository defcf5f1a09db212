#include "menu/menu_page_rules.h"

#include "startup/parse.h"
#include "startup/utilities.h"

#include <algorithm>

namespace sumbrel::menu {

bool ActsOnDoubleTouch(PageKey key)
{
    return key != PageKey::Close && key != PageKey::Confirm;
}

TabStrip Show_MainMenu(const QStringList& categories, const QString& category, int direction)
{
    TabStrip strip;
    if (categories.isEmpty())
        return strip;
    const int last = int(categories.size()) - 1;
    const int pos = int(categories.indexOf(category));
    int start = pos < 0 ? 0 : (pos / kTabCount) * kTabCount;
    if (direction < 0) {
        start = start > 0 ? start - kTabCount : (last / kTabCount) * kTabCount;
    } else if (direction > 0) {
        start = start + kTabCount > last ? 0 : start + kTabCount;
    }
    if (start < 1)
        start = 0;
    const int end = std::min(start + kTabCount - 1, last);
    for (int r = start; r <= end; ++r) {
        strip.captions[size_t(r - start)] = categories[r];
        if (r == pos)
            strip.current = r - start;
    }
    return strip;
}

std::optional<MarkerSlot> PageMarker(int page, int pages)
{
    if (pages <= 1)
        return std::nullopt;
    if (page <= 0)
        return MarkerSlot::First;
    if (page >= pages - 1)
        return MarkerSlot::Last;
    return MarkerSlot::Middle;
}

TilePage Show_Menu(const std::vector<TileEntry>& table, const QString& category, int page, int direction)
{
    TilePage result;
    result.page = page;
    const int size = int(table.size());
    int first = -1;
    for (int r = 0; r < size; ++r) {
        if (table[size_t(r)].col[kTileCategory] == category) {
            first = r;
            break;
        }
    }
    if (first < 0)
        return result;
    int count = 0;
    while (first + count < size && table[size_t(first + count)].col[kTileCategory] == category)
        ++count;
    const int pages = (count - 1) / kTileCount + 1;

    int current = page + direction;
    if (current < 0)
        current = pages - 1;
    if (current > pages - 1)
        current = 0;
    int start = current * kTileCount + first;
    if (start > size - 1) {
        current = 0;
        start = first;
    }
    // The category's entries are contiguous: the page ends at the last of them.
    const int last = std::min({start + kTileCount - 1, size - 1, first + count - 1});

    result.page = current;
    result.first = start;
    result.count = last - start + 1;
    const QString counter = QString::number(current + 1) + u'/' + QString::number(pages);
    if (counter != QStringLiteral("1/1"))
        result.counter = counter;
    result.marker = PageMarker(current, pages);
    return result;
}

QString WonText(const QString& amount)
{
    return FormatThousands(ParseAmount(amount)) + QStringLiteral("원");
}

DialogKind DialogFor(const QString& optionCount)
{
    return ParseLong(optionCount) == 0 ? DialogKind::Single : DialogKind::Options;
}

TileCell TileCellOf(int k)
{
    return {k / kTileColumnsPerRow, k % kTileColumnsPerRow};
}

int ScrollBack(const ListGeometry& list)
{
    return ScrolledBy(list, +kScrollStep);
}

int ScrollOn(const ListGeometry& list)
{
    return ScrolledBy(list, -kScrollStep);
}

}  // namespace sumbrel::menu
