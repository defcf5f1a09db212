#pragma once
// The menu page's order rows as a layout: which row shows what at which top, the list's height and
// the totals, computed from the order. The screen only puts the texts into its row widgets.
#include "menu/order.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace sumbrel::menu {

inline constexpr int kOrderRows = 20;
inline constexpr int kRowPitch = 140;  // row i stands at top 140 × i
inline constexpr int kRowHeight = 135;
// A menu name wider than this (in m_groupPanels's font) takes two lines.
inline constexpr int kLongNameWidth = 159;

struct OrderRow {
    QString serial;  // "1", "2", ...
    QString name;
    int nameTop = 25;
    QString price;  // line amount, "#,##0원"
    int priceTop = 54;
    QString options;  // "Size:Large / Topping:Cheese,Egg", or empty
    int quantity = order::kMinQuantity;
};

struct OrderRowsLayout {
    QList<OrderRow> rows;  // rows 0.. shown; the others hidden
    std::optional<int> listHeight;  // m_groupPanels's new height (140 × lines − 5); unchanged for no line
    QString count;  // 주문수
    QString total;  // 주문금액, "#,##0"
};

// Text width in pixels in m_groupPanels's font.
using TextWidth = std::function<int(const QString&)>;

OrderRowsLayout LayOutOrderRows(const order::Order& order, const TextWidth& width);

}  // namespace sumbrel::menu
