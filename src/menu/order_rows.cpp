#include "menu/order_rows.h"

#include "menu/cart.h"
#include "menu/menu_page_rules.h"
#include "startup/parse.h"
#include "startup/utilities.h"

namespace sumbrel::menu {

OrderRowsLayout LayOutOrderRows(const QString& cart, const TextWidth& width)
{
    OrderRowsLayout layout;
    const cart::Parsed parsed = cart::Parse(cart);
    layout.complete = parsed.complete;
    for (qsizetype i = 0; i < parsed.lines.size() && i < kOrderRows; ++i) {
        const cart::Line& line = parsed.lines[i];
        OrderRow row;
        row.serial = QString::number(i + 1);
        row.name = line.main[cart::kName];
        row.price = WonText(line.main[cart::kAmount]);
        row.quantity = line.main[cart::kQuantity];
        row.unitPrice = line.main[cart::kUnitPrice];
        const bool longName = width && width(row.name) > kLongNameWidth;
        if (!line.optionParts.isEmpty()) {
            row.nameTop = longName ? 5 : 15;
            row.priceTop = longName ? 44 : 39;
            row.options = cart::OptionSummary(line);
        } else {
            row.nameTop = longName ? 15 : 25;
            row.priceTop = longName ? 59 : 54;
        }
        layout.rows.append(row);
    }
    if (!layout.complete)
        return layout;
    const qsizetype lines = parsed.lines.size();
    if (lines > 0)
        layout.listHeight = kRowPitch * int(qMin<qsizetype>(lines, kOrderRows)) - (kRowPitch - kRowHeight);
    layout.count = QString::number(lines);
    layout.total = FormatThousands(cart::Total(parsed));
    return layout;
}

std::optional<QString> StepRowQuantity(const QString& cart, int row, int step)
{
    const cart::Parsed parsed = cart::Parse(cart);
    if (row < 0 || row >= parsed.lines.size())
        return std::nullopt;
    const cart::Line& line = parsed.lines[row];
    const int quantity = ParseLong(line.main[cart::kQuantity]);
    const int next = cart::StepQuantity(quantity, step);
    if (next == quantity)
        return std::nullopt;
    return cart::RegenLine(cart, row, QString::number(next), line.main[cart::kUnitPrice]);
}

}  // namespace sumbrel::menu
