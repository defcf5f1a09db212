#include "menu/menu_page_rules.h"

#include "access/language.h"
#include "menu/order_rows.h"
#include "startup/parse.h"
#include "startup/utilities.h"

#include <algorithm>

namespace sumbrel::menu {

bool ActsOnDoubleTouch(PageKey key)
{
    return key != PageKey::Close && key != PageKey::Confirm;
}

TabStrip showTabStrip(const QStringList& categories, const QString& category, int direction, int perStrip)
{
    perStrip = std::clamp(perStrip, 1, kTabCount);
    TabStrip strip;
    if (categories.isEmpty())
        return strip;
    const int last = int(categories.size()) - 1;
    const int pos = int(categories.indexOf(category));
    int start = pos < 0 ? 0 : (pos / perStrip) * perStrip;
    if (direction < 0) {
        start = start > 0 ? start - perStrip : (last / perStrip) * perStrip;
    } else if (direction > 0) {
        start = start + perStrip > last ? 0 : start + perStrip;
    }
    if (start < 1)
        start = 0;
    const int end = std::min(start + perStrip - 1, last);
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

TilePage showTilePage(const std::vector<TileEntry>& table, const QString& category, int page, int direction,
                      int perPage)
{
    perPage = std::clamp(perPage, 1, kTileCount);
    TilePage result;
    result.page = page;
    const int size = int(table.size());
    int first = -1;
    for (int r = 0; r < size; ++r) {
        if (table[size_t(r)].category == category) {
            first = r;
            break;
        }
    }
    if (first < 0)
        return result;
    int count = 0;
    while (first + count < size && table[size_t(first + count)].category == category)
        ++count;
    const int pages = (count - 1) / perPage + 1;

    int current = page + direction;
    if (current < 0)
        current = pages - 1;
    if (current > pages - 1)
        current = 0;
    int start = current * perPage + first;
    if (start > size - 1) {
        current = 0;
        start = first;
    }
    // The category's entries are contiguous: the page ends at the last of them.
    const int last = std::min({start + perPage - 1, size - 1, first + count - 1});

    result.page = current;
    result.first = start;
    result.count = last - start + 1;
    result.pages = pages;
    const QString counter = QString::number(current + 1) + u'/' + QString::number(pages);
    if (counter != QStringLiteral("1/1"))
        result.counter = counter;
    result.marker = PageMarker(current, pages);
    return result;
}

QString WonText(order::Money amount)
{
    return access::Tr("%1원").arg(amount.caption());
}

QString WonText(const QString& amount)
{
    return WonText(order::Money::Won(ParseAmount(amount)));
}

bool UnitWordApart()
{
    return access::Tr("%1원") == u"%1원";
}

DialogKind DialogFor(int optionGroups)
{
    return optionGroups == 0 ? DialogKind::Single : DialogKind::Options;
}

TileCell TileCellOf(int k)
{
    return {k / kTileColumnsPerRow, k % kTileColumnsPerRow};
}

namespace {

// Whole rows: the viewport and the gap below its last row.
int ScrollStep(const ListGeometry& list)
{
    return std::max(1, (list.viewHeight + kRowPitch - kRowHeight) / kRowPitch) * kRowPitch;
}

}  // namespace

int ScrollBack(const ListGeometry& list)
{
    return ScrolledBy(list, +ScrollStep(list));
}

int ScrollOn(const ListGeometry& list)
{
    return ScrolledBy(list, -ScrollStep(list));
}

}  // namespace sumbrel::menu
