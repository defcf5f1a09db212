#include "menu/order.h"

#include "startup/parse.h"
#include "startup/utilities.h"

namespace sumbrel::order {

int StepQuantity(int quantity, int step)
{
    // "-" acts above 1 and "+" below 99 whatever the quantity held, without stepping past either end.
    if (step < 0)
        return quantity > kMinQuantity ? quantity - 1 : quantity;
    if (step > 0)
        return quantity < kMaxQuantity ? quantity + 1 : quantity;
    return quantity;
}

bool OpensGroup(const OrderLine& line, qsizetype k)
{
    if (k == 0)
        return true;
    const OrderOption& option = line.options[k];
    const OrderOption& before = line.options[k - 1];
    return option.groupIndex != before.groupIndex || option.group != before.group;
}

QString OptionSummary(const OrderLine& line)
{
    QString text;
    for (qsizetype k = 0; k < line.options.size(); ++k) {
        const OrderOption& option = line.options[k];
        if (!OpensGroup(line, k))
            text += u',' + option.name;
        else
            text += QStringLiteral(" / ") + option.group + u':' + option.name;
    }
    return text.mid(3);
}

Money Order::total() const
{
    Money total;
    for (const OrderLine& line : m_lines)
        total += line.amount();
    return total;
}

bool Order::add(OrderLine line)
{
    if (full())
        return false;
    m_lines.append(std::move(line));
    return true;
}

bool Order::remove(qsizetype i)
{
    if (i < 0 || i >= m_lines.size())
        return false;
    m_lines.removeAt(i);
    return true;
}

bool Order::step(qsizetype i, int delta)
{
    if (i < 0 || i >= m_lines.size())
        return false;
    OrderLine& line = m_lines[i];
    const int next = StepQuantity(line.quantity, delta);
    if (next == line.quantity)
        return false;
    line.quantity = next;
    return true;
}

}  // namespace sumbrel::order
