#pragma once
// The single-menu dialog's rules: one item, a quantity, one order line.
#include "menu/menu_item.h"
#include "menu/order.h"

#include <QString>
#include <optional>

namespace sumbrel::menu {

class SingleMenu {
public:
    explicit SingleMenu(MenuItem item = {});

    const MenuItem& item() const { return m_item; }
    Quantity& quantity() { return m_quantity; }
    const Quantity& quantity() const { return m_quantity; }

    // The line (the item at its price, the quantity) and its amount.
    bool computeTotal();
    const order::OrderLine& line() const { return m_line; }
    order::Money amount() const { return m_line.amount(); }
    QString totalText() const;  // "#,##0"

    // The line to add to the page's order; nullopt when the item has no name.
    std::optional<order::OrderLine> added() const;

private:
    MenuItem m_item;
    Quantity m_quantity;
    order::OrderLine m_line;
};

}  // namespace sumbrel::menu
