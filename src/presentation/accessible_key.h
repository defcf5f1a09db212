#pragma once
// What a screen reader sees of a key of ours: a push button named by its caption that the reader
// can press, disabled while the key is.
#include <QAccessibleWidget>
#include <functional>

namespace sumbrel {

class AccessibleKey : public QAccessibleWidget {
public:
    struct Hooks {
        std::function<QString()> caption;
        std::function<bool()> enabled;
        std::function<void()> press;  // as a touch of the key (the key decides what a disabled one does)
        // An area that shows nothing (the operator's): no key to a screen reader, nothing to press.
        std::function<bool()> hidden = [] { return false; };
        // A toggle: -1 for a plain key, else 0 (off) or 1 (on).
        std::function<int()> checked = [] { return -1; };
    };
    AccessibleKey(QWidget* key, Hooks hooks);

    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    Hooks m_hooks;
};

}  // namespace sumbrel
