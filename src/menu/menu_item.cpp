#include "menu/menu_item.h"

#include "catalogue/picture_check.h"
#include "startup/global_state.h"
#include "startup/parse.h"

namespace sumbrel::menu {

std::optional<MenuItem> ReadMenuItem(const MenuCatalogue& table, const QString& rowText)
{
    const int32_t row = ParseLong(rowText);
    if (row < 0 || row >= table.rowCount())
        return std::nullopt;
    const MenuRecord& rec = table.row(row);
    const std::optional<int64_t> price = ReadPrice(rec.price());
    if (!price)
        return std::nullopt;  // not offered: no dialog sells it for nothing
    MenuItem item;
    item.num = rec.num();
    item.name = rec.title();
    item.composition = rec.infotext1();
    item.description = rec.infotext2();
    item.price = order::Money::Won(*price);
    for (int j = 0; j < kOptionGroups; ++j)
        item.groups[size_t(j)] = rec.optionGroup(j);
    return item;
}

std::optional<order::OrderLine> LineToAdd(const MenuItem& item, const order::OrderLine& line)
{
    if (item.name.isEmpty())
        return std::nullopt;
    return line;
}

QString MenuPhotoPath(const QString& num)
{
    // A number from the service names a file only when it is all digits ("../" would leave the folder).
    if (!IsPictureNumber(num))
        return QString();
    QString folder = gs().menuImageFolder;
    if (!folder.isEmpty() && !folder.endsWith(u'/') && !folder.endsWith(u'\\'))
        folder += u'/';
    return folder + num + QStringLiteral(".png");
}

bool Quantity::step(int delta)
{
    const int next = order::StepQuantity(m_value, delta);
    if (next == m_value)
        return false;
    m_value = next;
    return true;
}

}  // namespace sumbrel::menu
