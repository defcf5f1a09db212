#include "presentation/focus_ring.h"

#include <QPainter>

namespace sumbrel {

FocusRing::FocusRing(QWidget* parent, const QString& objectName, int width)
    : QWidget(parent)
    , m_width(width)
{
    setObjectName(objectName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void FocusRing::surround(const QRect& rect)
{
    setGeometry(rect.adjusted(-m_width, -m_width, m_width, m_width));
    raise();
    show();
    update();
}

void FocusRing::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = m_width;
    const QRectF outer = QRectF(rect()).adjusted(w / 4, w / 4, -w / 4, -w / 4);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0), w / 2));
    p.drawRoundedRect(outer, w, w);
    p.setPen(QPen(QColor(255, 224, 0), w / 4));
    p.drawRoundedRect(outer.adjusted(w / 2.5, w / 2.5, -w / 2.5, -w / 2.5), w * 0.7, w * 0.7);
}

}  // namespace sumbrel
