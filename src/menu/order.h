#pragma once
// The order a customer composes, as typed data: lines of an item, its unit price, a quantity and
// the chosen options. Amounts are whole won. The menu page, its dialogs, the reception screen's
// order list and the submission all work on it; the text the shop takes is written from it once,
// where the order is sent.
#include "catalogue/money.h"

#include <QList>
#include <QString>
#include <compare>
#include <cstdint>

namespace sumbrel::order {

struct OrderOption {
    QString group;  // the option group's name
    QString name;
    Money price;
    // The group's place among the item's option groups: two groups of one name stay two.
    int groupIndex = 0;
    bool operator==(const OrderOption&) const = default;
};

inline constexpr int kMinQuantity = 1;
inline constexpr int kMaxQuantity = 99;
// Twenty order rows at most.
inline constexpr int kMaxLines = 20;

struct OrderLine {
    QString itemNumber;  // the catalogue's num
    QString name;
    Money unitPrice;  // the base price with every chosen option
    int quantity = kMinQuantity;
    // In the option groups' order; the options of one group stand together.
    QList<OrderOption> options;

    Money amount() const { return unitPrice.times(quantity); }
    bool operator==(const OrderLine&) const = default;
};

// The quantity after one step of a "-" (-1) or "+" (+1) key: "-" acts above 1, "+" below 99.
int StepQuantity(int quantity, int step);

// Whether the line's option k opens a group: the first, or one of another group than the one before.
bool OpensGroup(const OrderLine& line, qsizetype k);

// The options of a line by group, in order: "Size:Large / Topping:Cheese,Egg" as the menu page's
// rows show them.
QString OptionSummary(const OrderLine& line);

class Order {
public:
    const QList<OrderLine>& lines() const { return m_lines; }
    const OrderLine& line(qsizetype i) const { return m_lines.at(i); }
    qsizetype size() const { return m_lines.size(); }
    bool isEmpty() const { return m_lines.isEmpty(); }
    bool full() const { return m_lines.size() >= kMaxLines; }

    // The sum of the line amounts.
    Money total() const;

    // The line at the end; false (nothing added) when the order is full.
    bool add(OrderLine line);
    // Line i leaves the order; false for an index out of range.
    bool remove(qsizetype i);
    // One "-" (-1) or "+" (+1) on line i's quantity: false when nothing changed (the limits 1 and
    // 99, or no such line).
    bool step(qsizetype i, int delta);

    void clear() { m_lines.clear(); }
    bool operator==(const Order&) const = default;

private:
    QList<OrderLine> m_lines;
};

}  // namespace sumbrel::order
