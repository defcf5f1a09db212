#pragma once
// Typed orders for tests, written compactly: Line(u"Coffee", 3500, 2, {{u"Size", u"Large", 500}}).
#include "menu/order.h"
#include "support/qstring_print.h"

#include <initializer_list>
#include <ostream>

namespace sumbrel::order {

struct OptionSpec {
    const char16_t* group;
    const char16_t* name;
    int64_t price;
    int groupIndex = 0;
};

inline OrderLine Line(const QString& name, int64_t unitPrice, int quantity = 1,
                      std::initializer_list<OptionSpec> options = {}, const QString& itemNumber = {})
{
    OrderLine line;
    line.itemNumber = itemNumber;
    line.name = name;
    line.unitPrice = Money::Won(unitPrice);
    line.quantity = quantity;
    for (const OptionSpec& o : options)
        line.options.append({QString::fromUtf16(o.group), QString::fromUtf16(o.name), Money::Won(o.price), o.groupIndex});
    return line;
}

inline Order Of(std::initializer_list<OrderLine> lines)
{
    Order order;
    for (const OrderLine& line : lines)
        order.add(line);
    return order;
}

// The order without its item numbers, for comparing with lines written without them.
inline Order Unnumbered(const Order& order)
{
    Order out;
    for (OrderLine line : order.lines()) {
        line.itemNumber.clear();
        out.add(line);
    }
    return out;
}

inline void PrintTo(const Money& m, std::ostream* os)
{
    *os << m.won() << " won";
}

inline void PrintTo(const OrderLine& l, std::ostream* os)
{
    *os << l.name.toStdString() << " " << l.quantity << " x " << l.unitPrice.won();
    for (const OrderOption& o : l.options)
        *os << " [" << o.group.toStdString() << ":" << o.name.toStdString() << " " << o.price.won() << " #" << o.groupIndex << "]";
}

}  // namespace sumbrel::order
