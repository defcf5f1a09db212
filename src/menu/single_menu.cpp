#include "menu/single_menu.h"

namespace sumbrel::menu {

SingleMenu::SingleMenu(MenuItem item)
    : m_item(std::move(item))
{
    computeTotal();
}

bool SingleMenu::computeTotal()
{
    m_line = {m_item.num, m_item.name, m_item.price, m_quantity.value(), {}};
    return true;
}

QString SingleMenu::totalText() const
{
    return amount().caption();
}

std::optional<order::OrderLine> SingleMenu::added() const
{
    return LineToAdd(m_item, m_line);
}

}  // namespace sumbrel::menu
