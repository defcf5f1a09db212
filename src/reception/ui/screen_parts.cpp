#include "reception/ui/screen_parts.h"

#include "presentation/presentation.h"
#include "presentation/stage_scale.h"
#include "presentation/widgets.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QHash>
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
    // A width once measured is remembered: every drawing measures the same names and prices again.
    auto widths = std::make_shared<QHash<std::pair<int, QString>, int>>();
    return {[sizes, widths](const QString& text, int sizePt) {
                const std::pair<int, QString> key{sizePt, text};
                if (const auto known = widths->constFind(key); known != widths->constEnd())
                    return *known;
                if (widths->size() > 4096)
                    widths->clear();
                const int width = int(std::ceil(DesignX(sizes->at(sizePt).horizontalAdvance(text))));
                widths->insert(key, width);
                return width;
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
    , m_titleHeight(QFontMetrics(m_title).height())
    , m_priceHeight(QFontMetrics(m_price).height())
    , m_optionHeight(QFontMetrics(m_optionFont).height())
{
    setObjectName(QStringLiteral("listSurface"));
    SetFill(this, Colours().panel);
}

void OrderListSurface::showLayout(const OrderListLayout& layout)
{
    if (layout == m_layout)
        return;
    m_layout = layout;
    // Each text laid out once and kept while it is printed: a quantity step changes one line's
    // texts, the others are drawn as they were.
    QHash<TextKey, QStaticText> kept;
    m_printed.clear();
    QStringList texts;
    for (const PrintedText& t : m_layout.texts) {
        const TextKey key{t.sizePt, t.text};
        QStaticText printed = kept.value(key, m_laidOut.value(key));
        if (printed.text().isNull()) {
            printed.setText(t.text);
            printed.setTextFormat(Qt::PlainText);
            printed.prepare(QTransform(), fontOf(t.sizePt));
        }
        kept.insert(key, printed);
        m_printed.append(printed);
        // A screen reader reads the list as it is printed.
        texts << t.text;
    }
    m_laidOut = std::move(kept);
    setAccessibleDescription(texts.join(u'\n'));
    update();
}

const QFont& OrderListSurface::fontOf(int sizePt) const
{
    return sizePt == kTitlePt ? m_title : sizePt == kPricePt ? m_price : m_optionFont;
}

int OrderListSurface::heightOf(int sizePt) const
{
    return sizePt == kTitlePt ? m_titleHeight : sizePt == kPricePt ? m_priceHeight : m_optionHeight;
}

void OrderListSurface::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    // The layout's places are the design's; the fonts are already the screen's.
    p.setPen(QPen(Colours().reception.listRule, 1, Qt::DotLine));
    for (int y : m_layout.separators)
        p.drawLine(Px(10), PxY(y), width() - Px(5), PxY(y));
    const QRect dirty = event->rect();
    for (qsizetype i = 0; i < m_layout.texts.size() && i < m_printed.size(); ++i) {
        const PrintedText& t = m_layout.texts.at(i);
        const QRect place(PxX(t.x), PxY(t.y), width() - PxX(t.x), heightOf(t.sizePt));
        if (!dirty.intersects(place))
            continue;
        p.setFont(fontOf(t.sizePt));
        p.setPen(InkOf(t.role));
        p.drawStaticText(place.topLeft(), m_printed.at(i));
    }
}

void OrderListSurface::mouseReleaseEvent(QMouseEvent* event)
{
    if (touchReleased)
        touchReleased(int(event->position().y()));
    QWidget::mouseReleaseEvent(event);
}

}  // namespace sumbrel::reception
