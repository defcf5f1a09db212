#include "reception/ui/screen_parts.h"

#include "presentation/presentation.h"
#include "presentation/stage_scale.h"
#include "presentation/widgets.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace sumbrel::reception {

QCursor OperatorCursor()
{
    QPixmap pix(32, 32);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 3));
    p.drawEllipse(QPointF(16, 16), 11, 11);
    p.setPen(QPen(Qt::white, 1.5));
    p.drawEllipse(QPointF(16, 16), 11, 11);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(16, 16), 2.5, 2.5);
    p.end();
    return QCursor(pix, 16, 16);
}

QFont ListFont(int sizePt)
{
    // Points at the design's 96 dots per inch, as pixels: the same on every display.
    return LabelFont((sizePt * 96 + 36) / 72);
}

TextMeasure ListMeasure()
{
    // One metrics object per size, made once: the list measures every price of every drawing.
    struct Sizes {
        QFontMetrics title{ListFont(kTitlePt)};
        QFontMetrics price{ListFont(kPricePt)};
        QFontMetrics option{ListFont(kOptionPt)};
        const QFontMetrics& at(int sizePt) const
        {
            return sizePt == kTitlePt ? title : sizePt == kPricePt ? price : option;
        }
    };
    // The fonts are the screen's, the list's rules count in the design's pixels: widths rounded up,
    // so a price never reaches past its place.
    auto sizes = std::make_shared<Sizes>();
    return {[sizes](const QString& text, int sizePt) {
                return int(std::ceil(DesignX(sizes->at(sizePt).horizontalAdvance(text))));
            },
            [sizes](int sizePt) { return int(std::lround(DesignY(sizes->at(sizePt).height()))); }};
}

namespace {
QColor InkOf(TextRole role)
{
    switch (role) {
    case TextRole::OptionTitle:
        return Colours().reception.optionTitleInk;
    case TextRole::Option:
        return Colours().reception.optionInk;
    case TextRole::Title:
    case TextRole::Price:
        break;
    }
    return Colours().reception.listInk;
}
}  // namespace

OrderListSurface::OrderListSurface(QWidget* parent)
    : QWidget(parent)
    , m_title(ListFont(kTitlePt))
    , m_price(ListFont(kPricePt))
    , m_optionFont(ListFont(kOptionPt))
{
    setObjectName(QStringLiteral("listSurface"));
    SetFill(this, Colours().panel);
}

void OrderListSurface::showLayout(const OrderListLayout& layout)
{
    if (layout == m_layout)
        return;
    m_layout = layout;
    // A screen reader reads the list as it is printed.
    QStringList texts;
    for (const PrintedText& t : m_layout.texts)
        texts << t.text;
    setAccessibleDescription(texts.join(u'\n'));
    update();
}

const QFont& OrderListSurface::fontOf(int sizePt) const
{
    return sizePt == kTitlePt ? m_title : sizePt == kPricePt ? m_price : m_optionFont;
}

void OrderListSurface::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    // The layout's places are the design's; the fonts are already the screen's.
    p.setPen(QPen(Colours().reception.listRule, 1, Qt::DotLine));
    for (int y : m_layout.separators)
        p.drawLine(Px(10), PxY(y), width() - Px(5), PxY(y));
    const QRect dirty = event->rect();
    for (const PrintedText& t : m_layout.texts) {
        const QFont& font = fontOf(t.sizePt);
        const QRect place(PxX(t.x), PxY(t.y), width() - PxX(t.x), QFontMetrics(font).height());
        if (!dirty.intersects(place))
            continue;
        p.setFont(font);
        p.setPen(InkOf(t.role));
        p.drawText(place, Qt::AlignLeft | Qt::AlignTop, t.text);
    }
}

void OrderListSurface::mouseReleaseEvent(QMouseEvent* event)
{
    if (touchReleased)
        touchReleased(int(event->position().y()));
    QWidget::mouseReleaseEvent(event);
}

}  // namespace sumbrel::reception
