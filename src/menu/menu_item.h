#pragma once
// What the two item dialogs show of one catalogue row, and the rule of their quantity keys.
#include "catalogue/menu_catalogue.h"
#include "menu/order.h"

#include <QString>
#include <array>
#include <optional>

namespace sumbrel::menu {

struct MenuItem {
    QString num;  // the photo's file name
    QString name;  // 메뉴이름
    QString composition;  // 메뉴구성
    QString description;  // 메뉴설명
    order::Money price;  // 메뉴가격
    std::array<OptionGroupSlot, kOptionGroups> groups;
};

// The catalogue's row; nullopt when there is no such row or its price is not a plain whole number,
// as such an item is not offered.
std::optional<MenuItem> ReadMenuItem(const MenuCatalogue& table, qsizetype row);

// The line the dialog adds for the item: nullopt when the item has no name to show on the order.
std::optional<order::OrderLine> LineToAdd(const MenuItem& item, const order::OrderLine& line);

// menuImageFolder + "/" + num + ".png".
QString MenuPhotoPath(const QString& num);

// The quantity, with the minimum it may not go below.
class Quantity {
public:
    int value() const { return m_value; }
    QString text() const { return QString::number(m_value); }
    QString minimumText() const { return QString::number(order::kMinQuantity); }

    // One touch of a quantity key (-1 down, +1 up): taken only from 1 to 99, as on the order's rows.
    // True when the quantity changed.
    bool step(int delta);

private:
    int m_value = 1;
};

}  // namespace sumbrel::menu
