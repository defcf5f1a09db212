#pragma once
// The order list beside the entry panels, without widgets: where each printed text, separator and
// row panel of picList goes, how high the list is, the total, the scrolling inside the viewport
// picBack, and the "-", "+" and "x" keys on the cart text. Text sizes are measured by a function the
// screen passes in, so the rules run without painting.
#include <QList>
#include <QString>
#include <cstdint>
#include <functional>

namespace sumbrel::reception {

inline constexpr int kListWidth = 469;  // picList
inline constexpr int kViewHeight = 531;  // picBack
inline constexpr int kRowPanels = 20;  // SetNum_Frame(0..19)
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
    int line;  // the cart line, and the row panel's index
    int top;
    QString quantity;  // SetNum's caption
    QString unitPrice;  // SetNum's tag
    bool operator==(const RowPlace&) const = default;
};

struct OrderListLayout {
    QList<PrintedText> texts;
    QList<int> separators;  // heights of the dotted lines from x 10 to the list width - 5
    QList<RowPlace> rows;
    // False when a malformed line stopped the drawing: what came before it is drawn, but the
    // list's height and the total keep their previous values.
    bool complete = true;
    int height = kEmptyListHeight;
    int64_t total = 0;
    bool operator==(const OrderListLayout&) const = default;
};

OrderListLayout LayOutOrderList(const QString& cart, const TextMeasure& measure, int listWidth = kListWidth);

// ScrollOrderList's directions: 0 shows earlier lines, 1 later ones.
enum class ScrollDirection { Earlier = 0, Later = 1 };

// The list's top after one step: never above 0, never leaving space under the list's end, 500
// pixels at most; 0 for a list shorter than the viewport.
int ScrolledTop(int top, int listHeight, int viewHeight, ScrollDirection direction);
// A touch released at list height y scrolls towards the half of the viewport it lies in.
ScrollDirection TouchDirection(int top, int y, int viewHeight);

// The list's state beside the cart: the last drawing, its height and total, and the top.
class OrderList {
public:
    explicit OrderList(TextMeasure measure, int listWidth = kListWidth, int viewHeight = kViewHeight);

    // Draw_Order on the cart.
    const OrderListLayout& draw(const QString& cart);
    const OrderListLayout& layout() const { return m_layout; }
    int height() const { return m_height; }
    int viewHeight() const { return m_viewHeight; }
    int top() const { return m_top; }
    // lbl주문금액: the total of the last complete drawing, "#,##0" and "원".
    const QString& totalText() const { return m_totalText; }

    void toTop() { m_top = 0; }
    // ScrollOrderList; true when the top moved.
    bool scroll(ScrollDirection direction);
    // A touch released on the list at list height y; true when the top moved.
    bool touchReleased(int y);

    // "-" (step -1) or "+" (step +1) of a row: the row's quantity, ReGen_Order, then Draw_Order.
    // False at the limits 1 and 99, where nothing changes.
    bool stepQuantity(QString& cart, int row, int step);
    // The row's line of the cart rewritten from the row's quantity and unit price, its option parts
    // kept; false (cart unchanged) when the row or its line cannot be read.
    bool ReGen_Order(QString& cart, int row) const;
    // "x" of a row: the line leaves the cart, the list is drawn again and, when it has become
    // shorter than the viewport, goes back to its top.
    void deleteLine(QString& cart, int row);

private:
    // The index in the layout's rows of the row panel's place; -1 when the row shows no line.
    qsizetype placeOf(int row) const;

    TextMeasure m_measure;
    int m_listWidth;
    int m_viewHeight;
    OrderListLayout m_layout;
    int m_height = kEmptyListHeight;
    int m_top = 0;
    QString m_totalText;
};

}  // namespace sumbrel::reception
