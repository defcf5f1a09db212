#pragma once
// Pieces the reception screen is built from: panels and labels as the design has them, the order
// list's drawing surface.
#include "reception/order_list.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QString>
#include <QWidget>
#include <functional>

class QFrame;
class QLabel;

namespace sumbrel::reception {

QFrame* MakePanel(QWidget* parent, const QString& name, const QRect& geometry, const QColor& colour);
// A label shows its text to a screen reader as it shows it on the screen.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QRect& geometry, const QFont& font, const QColor& ink,
                  Qt::Alignment align = Qt::AlignCenter, const QString& text = QString());
// The caption as the system holds it (CR LF line breaks) in "caption"; the label shows Qt's line breaks.
void SetCaption(QLabel* label, const QString& caption);
// The operator keys' cursor: a small target ring, so the technician sees the hidden areas.
QCursor OperatorCursor();

// The order list's fonts by point size, and the measure that lays the list out with them.
QFont ListFont(int sizePt);
TextMeasure ListMeasure();

// picList: paints the printed texts and dotted separators of the order list's layout; a released
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

    OrderListLayout m_layout;
    QFont m_title;
    QFont m_price;
    QFont m_option;
};

}  // namespace sumbrel::reception
