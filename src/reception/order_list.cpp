#include "reception/order_list.h"

#include "menu/cart.h"
#include "startup/list_scroll.h"
#include "startup/parse.h"
#include "startup/utilities.h"

namespace sumbrel::reception {

namespace {

QString Won(const QString& amount)
{
    return FormatThousands(amount) + QStringLiteral("원");
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

OrderListLayout LayOutOrderList(const QString& cart, const TextMeasure& measure, int listWidth)
{
    OrderListLayout out;
    Printer printer(out, measure);
    int& y = printer.y;
    int number = 1;
    int64_t total = 0;
    const QStringList lines = cart::SplitLines(cart);
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList parts = lines[i].split(cart::kPartMark);
        for (int j = 0; j < parts.size(); ++j) {
            const QStringList f = parts[j].split(cart::kFieldMark);
            if (f.size() < 2)
                continue;
            if (j == 0) {
                if (i > 0) {
                    y += 10;
                    out.separators.append(y);
                }
                y += 10;
                printer.print(TextRole::Title, 10, kTitlePt,
                              QString::number(number) + QStringLiteral(") ") + f[cart::kName] + QStringLiteral(" (x")
                                  + f[cart::kUnitCount] + u')');
                // A short main part, or a line beyond the twenty row panels, ends the drawing here.
                if (f.size() < cart::kMainFields || i >= kRowPanels) {
                    out.complete = false;
                    return out;
                }
                const int rowTop = y;
                out.rows.append({i, rowTop, f[cart::kQuantity], f[cart::kUnitPrice]});
                total = AddAmounts(total, ParseAmount(f[cart::kAmount]));
                const QString price = Won(f[cart::kAmount]);
                // Measured at the title's size, printed at the price's: the design's own right edge.
                const int width = measure.width(price, kTitlePt);
                y = rowTop + kRowHeight + 5;
                printer.print(TextRole::Price, listWidth - width - 95, kPricePt, price);
                ++number;
                continue;
            }
            if (j == 1)
                y -= 50;  // the option texts start beside the price
            y += 5;
            printer.print(TextRole::OptionTitle, 20, kOptionPt, f[0]);
            for (qsizetype k = 1; k < f.size(); k += 2) {
                if (k + 1 >= f.size()) {
                    out.complete = false;  // an option name without its price
                    return out;
                }
                printer.print(TextRole::Option, 20, kOptionPt,
                              f[k] + QStringLiteral(" ( + ") + Won(f[k + 1]) + QStringLiteral(" )"));
            }
        }
    }
    out.height = y + kEmptyListHeight;
    out.total = total;
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

const OrderListLayout& OrderList::draw(const QString& cart)
{
    m_layout = LayOutOrderList(cart, m_measure, m_listWidth);
    if (m_layout.complete) {
        m_height = m_layout.height;
        m_totalText = Won(QString::number(m_layout.total));
    }
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

qsizetype OrderList::placeOf(int row) const
{
    for (qsizetype i = 0; i < m_layout.rows.size(); ++i)
        if (m_layout.rows[i].line == row)
            return i;
    return -1;
}

bool OrderList::stepQuantity(QString& cart, int row, int step)
{
    const qsizetype at = placeOf(row);
    if (at < 0)
        return false;
    RowPlace& place = m_layout.rows[at];
    const int quantity = ParseLong(place.quantity);
    const int next = cart::StepQuantity(quantity, step);
    if (next == quantity)
        return false;
    place.quantity = QString::number(next);
    // A line that cannot be rewritten stays as it was; the list is drawn again all the same.
    ReGen_Order(cart, row);
    draw(cart);
    return true;
}

bool OrderList::ReGen_Order(QString& cart, int row) const
{
    const qsizetype at = placeOf(row);
    if (at < 0)
        return false;
    const RowPlace& place = m_layout.rows.at(at);
    const auto regenerated = cart::RegenLine(cart, row, place.quantity, place.unitPrice);
    if (!regenerated)
        return false;
    cart = *regenerated;
    return true;
}

void OrderList::deleteLine(QString& cart, int row)
{
    cart = cart::DeleteLine(cart, row);
    draw(cart);
    if (m_height < m_viewHeight)
        m_top = 0;
}

}  // namespace sumbrel::reception
