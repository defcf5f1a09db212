// The order list on the order panel: drawing, the "-", "+" and "x" keys of its rows, scrolling.
#include "access/language.h"
#include "menu/cart.h"
#include "presentation/caption_key.h"
#include "presentation/stage_scale.h"
#include "presentation/widgets.h"
#include "reception/ui/reception_screen.h"
#include "reception/ui/screen_parts.h"

#include <QFrame>
#include <QLabel>
#include <algorithm>

namespace sumbrel {

using namespace reception;

bool ReceptionScreen::drawOrder()
{
    m_orderList.draw(m_cart.order);
    showOrderList();
    return true;
}

void ReceptionScreen::showOrderList()
{
    const OrderListLayout& layout = m_orderList.layout();
    // Each line's printed texts (those below the line's separator), so a screen reader meets the
    // lines one by one, each on its row.
    std::array<QStringList, kRowPanels> printed;
    for (const PrintedText& t : layout.texts) {
        const auto line = std::count_if(layout.separators.begin(), layout.separators.end(),
                                        [&t](int separator) { return separator <= t.y; });
        if (line < kRowPanels)
            printed[size_t(line)] << t.text;
    }
    std::array<bool, kRowPanels> shown{};
    for (const RowPlace& place : layout.rows) {
        const OrderRow& row = m_rows.at(size_t(place.line));
        row.frame->move(Px(QPoint(RowLeft(m_places.listView.width()), place.top)));
        const QString quantity = QString::number(place.quantity);
        ShowText(row.quantity, quantity);
        // A screen reader hears which line a row's keys and count belong to.
        const QString name = place.line < m_cart.order.size() ? m_cart.order.line(place.line).name : QString();
        row.quantity->setAccessibleName(access::Tr("%1 수량 %2").arg(name, quantity));
        row.sub->setAccessibleDescription(access::Tr("%1 하나 빼기").arg(name));
        row.add->setAccessibleDescription(access::Tr("%1 하나 더").arg(name));
        row.remove->setAccessibleDescription(access::Tr("%1 삭제").arg(name));
        row.frame->setAccessibleName(printed[size_t(place.line)].join(QStringLiteral(", ")));
        shown[size_t(place.line)] = true;
    }
    for (size_t i = 0; i < m_rows.size(); ++i)
        m_rows[i].frame->setVisible(shown[i]);
    m_orderListSurface->setGeometry(Px(QRect(0, m_orderList.top(), m_places.listView.width(), m_orderList.height())));
    m_orderListSurface->showLayout(layout);
    ShowText(m_orderTotalLabel, m_orderList.totalText());
    m_orderTotalLabel->setAccessibleName(access::Tr("합계 %1").arg(m_orderList.totalText()));
    if (m_paymentTotalLabel)
        ShowText(m_paymentTotalLabel, access::Tr("합계 %1").arg(m_orderList.totalText()));
}

void ReceptionScreen::quantityDownClicked(int row)
{
    if (m_path.submitting())
        return;
    if (m_orderList.stepQuantity(m_cart.order, row, -1))
        showOrderList();
}

void ReceptionScreen::quantityUpClicked(int row)
{
    if (m_path.submitting())
        return;
    if (m_orderList.stepQuantity(m_cart.order, row, +1))
        showOrderList();
}

void ReceptionScreen::removeClicked(int row)
{
    if (m_path.submitting())
        return;
    m_orderList.deleteLine(m_cart.order, row);
    showOrderList();
}

void ReceptionScreen::scrollOrderList(ScrollDirection direction)
{
    if (m_orderList.scroll(direction))
        drawOrder();
}

void ReceptionScreen::orderListReleased(int y)
{
    if (m_path.submitting())
        return;
    // The list's rules count in the design's pixels.
    if (m_orderList.touchReleased(int(DesignY(y))))
        drawOrder();
}

}  // namespace sumbrel
