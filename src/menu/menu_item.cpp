#include "menu/menu_item.h"

#include "catalogue/picture_check.h"
#include "startup/global_state.h"

namespace sumbrel::menu {

std::optional<MenuItem> ReadMenuItem(const MenuCatalogue& table, qsizetype row)
{
    if (row < 0 || row >= table.rowCount())
        return std::nullopt;
    const MenuRecord& rec = table.row(row);
    if (!rec.price)
        return std::nullopt;  // not offered: no dialog sells it for nothing
    return MenuItem{rec.num, rec.title, rec.composition, rec.description, *rec.price, rec.groups};
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
