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
    if (t == QAccessible::Name) {
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? m_hooks.caption() : name;
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State AccessibleKey::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.disabled = !m_hooks.enabled();
    return s;
}

QStringList AccessibleKey::actionNames() const
{
    return {pressAction()};
}

void AccessibleKey::doAction(const QString& name)
{
    if (name == pressAction())
        m_hooks.press();
}

}  // namespace sumbrel
