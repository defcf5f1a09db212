#include "menu/order_rows.h"

#include "menu/menu_page_rules.h"

namespace sumbrel::menu {

OrderRowsLayout LayOutOrderRows(const order::Order& order, const TextWidth& width)
{
    OrderRowsLayout layout;
    const qsizetype lines = qMin<qsizetype>(order.size(), kOrderRows);
    for (qsizetype i = 0; i < lines; ++i) {
        const order::OrderLine& line = order.line(i);
        OrderRow row;
        row.serial = QString::number(i + 1);
        row.name = line.name;
        row.price = WonText(line.amount());
        row.quantity = line.quantity;
        const bool longName = width && width(row.name) > kLongNameWidth;
        if (!line.options.isEmpty()) {
            row.nameTop = longName ? 5 : 15;
            row.priceTop = longName ? 44 : 39;
            row.options = order::OptionSummary(line);
        } else {
            row.nameTop = longName ? 15 : 25;
            row.priceTop = longName ? 59 : 54;
        }
        layout.rows.append(row);
    }
    if (lines > 0)
        layout.listHeight = kRowPitch * int(lines) - (kRowPitch - kRowHeight);
    layout.count = QString::number(order.size());
    layout.total = order.total().caption();
    return layout;
}

}  // namespace sumbrel::menu
