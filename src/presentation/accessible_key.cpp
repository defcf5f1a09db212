#include "presentation/accessible_key.h"

#include <QWidget>

namespace sumbrel {

AccessibleKey::AccessibleKey(QWidget* key, Hooks hooks)
    : QAccessibleWidget(key, QAccessible::Button)
    , m_hooks(std::move(hooks))
{
}

QString AccessibleKey::text(QAccessible::Text t) const
{
    if (m_hooks.hidden())
        return QString();
    if (t == QAccessible::Name) {
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? m_hooks.caption() : name;
    }
    return QAccessibleWidget::text(t);
}

QAccessible::Role AccessibleKey::role() const
{
    if (m_hooks.hidden())
        return QAccessible::NoRole;
    return m_hooks.checked() >= 0 ? QAccessible::CheckBox : QAccessible::Button;
}

QAccessible::State AccessibleKey::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.disabled = !m_hooks.enabled();
    if (const int checked = m_hooks.checked(); checked >= 0) {
        s.checkable = true;
        s.checked = checked == 1;
    }
    if (m_hooks.hidden()) {
        s.invisible = true;
        s.focusable = false;
    }
    return s;
}

QStringList AccessibleKey::actionNames() const
{
    if (m_hooks.hidden())
        return {};
    return {pressAction()};
}

void AccessibleKey::doAction(const QString& name)
{
    if (name == pressAction())
        m_hooks.press();
}

}  // namespace sumbrel
