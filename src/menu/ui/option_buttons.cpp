#include "menu/ui/option_buttons.h"

#include "presentation/look.h"
#include "presentation/presentation.h"
#include "presentation/stage_scale.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace sumbrel {

namespace {

// A reader's press or toggle is a touch of the row (or price panel): the dialog hears of it and its
// model decides the choice. Qt's own button interface would toggle the row without telling anyone,
// or press it only after a delay.
class AccessibleChoice : public QAccessibleWidget {
public:
    explicit AccessibleChoice(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
    }
    // Asked each time: the interface may be made before the button is checkable.
    QAccessible::Role role() const override
    {
        if (!button()->isCheckable())
            return QAccessible::Button;
        return button()->autoExclusive() ? QAccessible::RadioButton : QAccessible::CheckBox;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return button()->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = button()->isCheckable();
        s.checked = button()->isChecked();
        return s;
    }
    QStringList actionNames() const override
    {
        return button()->isCheckable() ? QStringList{toggleAction(), pressAction()} : QStringList{pressAction()};
    }
    void doAction(const QString& name) override
    {
        if ((name == pressAction() || name == toggleAction()) && button()->isEnabled())
            button()->click();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* ChoiceFactory(const QString& className, QObject* object)
{
    if ((className == QLatin1String("sumbrel::OptionRow") || className == QLatin1String("sumbrel::PricePanel"))
        && object && object->isWidgetType())
        return new AccessibleChoice(static_cast<QAbstractButton*>(object));
    return nullptr;
}

void InstallChoiceFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(ChoiceFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace

OptionRow::OptionRow(const QString& name, bool singleChoice, QWidget* parent)
    : QAbstractButton(parent)
{
    InstallChoiceFactory();
    setText(name);
    setCheckable(true);
    // Exclusive among the rows of the same group panel: a screen reader sees radio buttons.
    setAutoExclusive(singleChoice);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void OptionRow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // The look's size and the stage's: the row is drawn in the screen's pixels.
    const double stage = StageScale();
    const double scale = CurrentLook().scale * stage;
    const QRectF r = QRectF(rect()).adjusted(stage, stage, -stage, -stage);
    const bool on = isChecked();
    const Palette& colours = Colours();
    // On the chosen fill and the accent mark the key ink reads; the dialog's ink on a plain row.
    const QColor ink = on ? colours.keyInk : colours.itemDialogs.ink;
    const QColor accentDark = colours.itemDialogs.chosenRim;
    // A chosen row differs by more than its fill: a heavier rim, the mark and a bold name.
    p.setPen(QPen(on ? accentDark : colours.itemDialogs.rowRim, on ? 3 * scale : 1.5 * stage));
    p.setBrush(on ? colours.itemDialogs.chosenFill : colours.panel);
    p.drawRoundedRect(r, 8 * scale, 8 * scale);

    // The indicator: a ring with a dot, or a box with a tick.
    const double size = 20 * scale;
    const QRectF mark(9 * scale, (height() - size) / 2.0, size, size);
    p.setPen(QPen(on ? accentDark : colours.itemDialogs.markOff, 2 * scale));
    p.setBrush(on ? colours.accentKey.rest : colours.panel);
    if (isSingleChoice()) {
        p.drawEllipse(mark);
        if (on) {
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            p.drawEllipse(mark.center(), 4.5 * scale, 4.5 * scale);
        }
    } else {
        p.drawRoundedRect(mark, 4 * scale, 4 * scale);
        if (on) {
            p.setPen(QPen(ink, 2.5 * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            QPainterPath tick;
            tick.moveTo(mark.left() + 4.5 * scale, mark.center().y());
            tick.lineTo(mark.left() + 8.5 * scale, mark.bottom() - 5 * scale);
            tick.lineTo(mark.right() - 4 * scale, mark.top() + 5 * scale);
            p.drawPath(tick);
        }
    }

    // The name on one line when it fits, else on two in a smaller size, smaller still where two
    // lines of it would not fit the row.
    const int textLeft = int(mark.right() + 7 * scale);
    const QRect textArea(textLeft, Px(1), width() - textLeft - Px(4), height() - Px(2));
    QFont font = LabelFont(16, on);
    if (QFontMetrics(font).horizontalAdvance(text()) > textArea.width()) {
        font = LabelFont(14, on);
        const auto tall = [&] {
            return QFontMetrics(font)
                       .boundingRect(QRect(0, 0, textArea.width(), 100000), Qt::TextWordWrap, text())
                       .height()
                > textArea.height();
        };
        const int floor = std::max(1, Px(10));
        while (font.pixelSize() > floor && tall())
            font.setPixelSize(font.pixelSize() - 1);
    }
    p.setFont(font);
    p.setPen(ink);
    p.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text());
}

PricePanel::PricePanel(const QString& caption, QWidget* parent)
    : QAbstractButton(parent)
{
    InstallChoiceFactory();
    setText(caption);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void PricePanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setFont(LabelFont(14));
    p.setPen(Colours().itemDialogs.priceInk);
    p.drawText(rect().adjusted(0, 0, -Px(2), 0), Qt::AlignRight | Qt::AlignVCenter, text());
}

}  // namespace sumbrel
