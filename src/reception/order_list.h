#pragma once
// The order list beside the entry panels, without widgets: where each printed text, separator and
// row panel of the list's surface goes, how high the list is, the total, the scrolling inside its
// viewport, and the "-", "+" and "x" keys on the order. Text sizes are measured by a function the
// screen passes in, so the rules run without painting.
#include "menu/order.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <functional>

namespace sumbrel::reception {

inline constexpr int kListWidth = 469;  // the list's surface
inline constexpr int kViewHeight = 531;  // its viewport
inline constexpr int kRowPanels = 20;  // the rows' key panels
inline constexpr int kRowHeight = 40;
inline constexpr int kScrollStep = 500;
inline constexpr int kEmptyListHeight = 20;

// Font sizes in points: the line title, the price, the option texts.
inline constexpr int kTitlePt = 16;
inline constexpr int kPricePt = 20;
inline constexpr int kOptionPt = 13;

struct TextMeasure {
    std::function<int(const QString& text, int sizePt)> width;
    // How far printing one line of that size moves down.
    std::function<int(int sizePt)> lineHeight;
};

// What the text is; the screen gives each its colour.
enum class TextRole { Title, Price, OptionTitle, Option };

struct PrintedText {
    TextRole role;
    int x;
    int y;  // top of the text line
    int sizePt;
    QString text;
    bool operator==(const PrintedText&) const = default;
};

struct RowPlace {
    int line;  // the order's line, and the row panel's index
    int top;
    int quantity;  // shown between the row's "-" and "+"
    bool operator==(const RowPlace&) const = default;
};

struct OrderListLayout {
    QList<PrintedText> texts;
    QList<int> separators;  // heights of the dotted lines from x 10 to the list width - 5
    QList<RowPlace> rows;
    int height = kEmptyListHeight;
    order::Money total;
    bool operator==(const OrderListLayout&) const = default;
};

// Lines beyond the twenty row panels are not drawn (the menu page never lets an order grow so long).
OrderListLayout LayOutOrderList(const order::Order& order, const TextMeasure& measure, int listWidth = kListWidth);

// scrollOrderList's directions: 0 shows earlier lines, 1 later ones.
enum class ScrollDirection { Earlier = 0, Later = 1 };

// The list's top after one step: never above 0, never leaving space under the list's end, 500
// pixels at most; 0 for a list shorter than the viewport.
int ScrolledTop(int top, int listHeight, int viewHeight, ScrollDirection direction);
// A touch released at list height y scrolls towards the half of the viewport it lies in.
ScrollDirection TouchDirection(int top, int y, int viewHeight);

// The list's state beside the order: the last drawing, its height and total, and the top.
class OrderList {
public:
    explicit OrderList(TextMeasure measure, int listWidth = kListWidth, int viewHeight = kViewHeight);

    // drawOrder on the order.
    const OrderListLayout& draw(const order::Order& order);
    const OrderListLayout& layout() const { return m_layout; }
    int height() const { return m_height; }
    int viewHeight() const { return m_viewHeight; }
    int top() const { return m_top; }
    // lbl주문금액: the total of the last drawing, "#,##0" and "원".
    const QString& totalText() const { return m_totalText; }

    void toTop() { m_top = 0; }
    // scrollOrderList; true when the top moved.
    bool scroll(ScrollDirection direction);
    // A touch released on the list at list height y; true when the top moved.
    bool touchReleased(int y);

    // "-" (step -1) or "+" (step +1) of a row: the line's quantity, then drawOrder. False at the
    // limits 1 and 99, where nothing changes.
    bool stepQuantity(order::Order& order, int row, int step);
    // "x" of a row: the line leaves the order, the list is drawn again and, when it has become
    // shorter than the viewport, goes back to its top.
    void deleteLine(order::Order& order, int row);

private:
    TextMeasure m_measure;
    int m_listWidth;
    int m_viewHeight;
    OrderListLayout m_layout;
    int m_height = kEmptyListHeight;
    int m_top = 0;
    QString m_totalText;
};

}  // namespace sumbrel::reception
