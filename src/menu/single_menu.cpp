#include "menu/single_menu.h"

#include "menu/cart.h"
#include "startup/parse.h"
#include "startup/utilities.h"

namespace sumbrel::menu {

SingleMenu::SingleMenu(MenuItem item)
    : m_item(std::move(item))
{
    computeTotal();
}

bool SingleMenu::computeTotal()
{
    const int64_t unit = ParseAmount(m_item.priceText);
    m_amount = MultiplyAmounts(unit, m_quantity.value());
    m_line = cart::MainPart(m_item.name, m_quantity.value(), unit);
    return true;
}

QString SingleMenu::totalText() const
{
    return FormatThousands(m_amount);
}

std::optional<QString> SingleMenu::AddedTo(const QString& cart) const
{
    return CartWithLine(cart, m_item, m_line);
}

}  // namespace sumbrel::menu
