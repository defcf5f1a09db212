#pragma once
// The single-menu dialog's rules: one item, a quantity, one cart line.
#include "menu/menu_item.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace sumbrel::menu {

class SingleMenu {
public:
    explicit SingleMenu(MenuItem item = {});

    const MenuItem& item() const { return m_item; }
    Quantity& quantity() { return m_quantity; }
    const Quantity& quantity() const { return m_quantity; }

    // The line m_SELECTED (name◈1◈quantity◈unit price◈amount) and the amount, from the price as
    // shown (3,500 counts as 3500) and the quantity.
    bool computeTotal();
    const QString& line() const { return m_line; }
    int64_t amount() const { return m_amount; }
    QString totalText() const;  // "#,##0"

    // The page's cart with the line appended; nullopt when the item's name cannot stand in the
    // cart text (an empty name would read as a boundary).
    std::optional<QString> AddedTo(const QString& cart) const;

private:
    MenuItem m_item;
    Quantity m_quantity;
    QString m_line;
    int64_t m_amount = 0;
};

}  // namespace sumbrel::menu
