#include "reception/order_list.h"

#include "access/language.h"
#include "startup/list_scroll.h"

namespace sumbrel::reception {

namespace {

QString Won(order::Money amount)
{
    return access::Tr("%1원").arg(amount.caption());
}

// Prints as the drawing surface does: at (x, y), then y moves one line of that size down.
class Printer {
public:
    Printer(OrderListLayout& out, const TextMeasure& measure)
        : m_out(out)
        , m_measure(measure)
    {
    }
    void print(TextRole role, int x, int sizePt, const QString& text)
    {
        m_out.texts.append({role, x, y, sizePt, text});
        y += m_measure.lineHeight(sizePt);
    }
    int y = 0;

private:
    OrderListLayout& m_out;
    const TextMeasure& m_measure;
};

}  // namespace

OrderListLayout LayOutOrderList(const order::Order& order, const TextMeasure& measure, int listWidth)
{
    OrderListLayout out;
    Printer printer(out, measure);
    int& y = printer.y;
    const int lines = int(qMin<qsizetype>(order.size(), kRowPanels));
    for (int i = 0; i < lines; ++i) {
        const order::OrderLine& line = order.line(i);
        if (i > 0) {
            y += 10;
            out.separators.append(y);
        }
        y += 10;
        printer.print(TextRole::Title, 10, kTitlePt,
                      QString::number(i + 1) + QStringLiteral(") ") + line.name + QStringLiteral(" (x1)"));
        const int rowTop = y;
        out.rows.append({i, rowTop, line.quantity});
        const QString price = Won(line.amount());
        // Measured at the title's size, printed at the price's: the design's own right edge.
        const int width = measure.width(price, kTitlePt);
        y = rowTop + kRowHeight + 5;
        printer.print(TextRole::Price, listWidth - width - 95, kPricePt, price);
        for (qsizetype k = 0; k < line.options.size(); ++k) {
            const order::OrderOption& option = line.options[k];
            if (order::OpensGroup(line, k)) {
                if (k == 0)
                    y -= 50;  // the option texts start beside the price
                y += 5;
                printer.print(TextRole::OptionTitle, 20, kOptionPt, option.group);
            }
            printer.print(TextRole::Option, 20, kOptionPt,
                          option.name + QStringLiteral(" ( + ") + Won(option.price) + QStringLiteral(" )"));
        }
    }
    out.height = y + kEmptyListHeight;
    out.total = order.total();
    return out;
}

int ScrolledTop(int top, int listHeight, int viewHeight, ScrollDirection direction)
{
    return ScrolledBy({top, listHeight, viewHeight},
                      direction == ScrollDirection::Earlier ? kScrollStep : -kScrollStep);
}

ScrollDirection TouchDirection(int top, int y, int viewHeight)
{
    return 2 * (top + y) < viewHeight ? ScrollDirection::Earlier : ScrollDirection::Later;
}

OrderList::OrderList(TextMeasure measure, int listWidth, int viewHeight)
    : m_measure(std::move(measure))
    , m_listWidth(listWidth)
    , m_viewHeight(viewHeight)
{
}

const OrderListLayout& OrderList::draw(const order::Order& order)
{
    m_layout = LayOutOrderList(order, m_measure, m_listWidth);
    m_height = m_layout.height;
    m_totalText = Won(m_layout.total);
    // Lines deleted on the menu page meanwhile must not leave the list wholly above its view.
    m_top = ClampTop({m_top, m_height, m_viewHeight});
    return m_layout;
}

bool OrderList::scroll(ScrollDirection direction)
{
    const int before = m_top;
    m_top = ScrolledTop(m_top, m_height, m_viewHeight, direction);
    return m_top != before;
}

bool OrderList::touchReleased(int y)
{
    return scroll(TouchDirection(m_top, y, m_viewHeight));
}

bool OrderList::stepQuantity(order::Order& order, int row, int step)
{
    if (!order.step(row, step))
        return false;
    draw(order);
    return true;
}

void OrderList::deleteLine(order::Order& order, int row)
{
    order.remove(row);
    draw(order);
    if (m_height < m_viewHeight)
        m_top = 0;
}

}  // namespace sumbrel::reception
