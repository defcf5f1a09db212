#pragma once
// Pieces of the reception screen of its own: the operator keys' cursor and the order list's drawing
// surface.
#include "reception/order_list.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QStaticText>
#include <QObject>
#include <QString>
#include <QWidget>
#include <functional>
#include <utility>

namespace sumbrel::reception {

// The "-", number, "+" and "x" panel of a list row, at the right of its line.
inline constexpr int kRowLeft = 255;
inline constexpr int kRowWidth = 205;
// The row panel's left on a list of that width: at the list's right however wide it is.
inline constexpr int RowLeft(int listWidth)
{
    return listWidth - kListWidth + kRowLeft;
}

// The caption of the panels' close keys.
inline const QString kCloseCaption = QStringLiteral("X");

// The operator keys' cursor: a small target ring, so the technician sees the hidden areas.
QCursor OperatorCursor();

// The order list's fonts by point size, and the measure that lays the list out with them.
QFont ListFont(int sizePt);
TextMeasure ListMeasure();

// The order list's surface: paints the printed texts and dotted separators of the order list's layout; a released
// touch reports its height on the list.
class OrderListSurface : public QWidget {
public:
    explicit OrderListSurface(QWidget* parent);
    // Repaints only when the layout differs from the one shown.
    void showLayout(const OrderListLayout& layout);
    std::function<void(int y)> touchReleased;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const QFont& fontOf(int sizePt) const;
    int heightOf(int sizePt) const;
    using TextKey = std::pair<int, QString>;  // size in points, text

    OrderListLayout m_layout;
    QFont m_title;
    QFont m_price;
    QFont m_optionFont;
    int m_titleHeight;
    int m_priceHeight;
    int m_optionHeight;
    // The layout's texts laid out, one for each of m_layout.texts, and by size and text.
    QList<QStaticText> m_printed;
    QHash<TextKey, QStaticText> m_laidOut;
};

}  // namespace sumbrel::reception
