#pragma once
// Finds a screen's widgets as a person or a screen reader would name them: by object name, or by
// the accessible name (a key's caption). A missing widget fails the test where it is looked for.
// Presses them as a screen reader does.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QList>
#include <QString>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace sumbrel::testing {

template <class T = QWidget>
T* Find(const QObject* root, const QString& objectName)
{
    T* found = root ? root->findChild<T*>(objectName) : nullptr;
    EXPECT_TRUE(found) << "no " << objectName.toStdString();
    return found;
}

// name_index, as the screens name the members of an indexed set ("phoneKey_11", "tile_3").
template <class T = QWidget>
T* Find(const QObject* root, const QString& name, int index)
{
    return Find<T>(root, name + u'_' + QString::number(index));
}

template <class T = QWidget>
T* FindByAccessibleName(const QObject* root, const QString& accessibleName)
{
    const QList<T*> all = root ? root->findChildren<T*>() : QList<T*>();
    for (T* w : all) {
        if (w->accessibleName() == accessibleName)
            return w;
    }
    ADD_FAILURE() << "nothing named " << accessibleName.toStdString();
    return nullptr;
}

// Presses the first shown element below root whose accessible name is name (or starts with it).
inline bool PressNamed(QWidget* root, const QString& name, bool prefix = false)
{
    if (!root)
        return false;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        const QString shown = a ? a->text(QAccessible::Name) : QString();
        if (!a || !a->actionInterface() || !(prefix ? shown.startsWith(name) : shown == name))
            continue;
        const QStringList actions = a->actionInterface()->actionNames();
        if (actions.isEmpty())
            continue;
        a->actionInterface()->doAction(actions.front());
        return true;
    }
    return false;
}

// Touches the first shown element below root whose accessible name is name, with the click a
// finger's touch arrives as (not through the accessibility action).
inline bool TouchNamed(QWidget* root, const QString& name)
{
    for (QWidget* w : root ? root->findChildren<QWidget*>() : QList<QWidget*>()) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (w->isVisible() && a && a->text(QAccessible::Name) == name) {
            QTest::mouseClick(w, Qt::LeftButton);
            return true;
        }
    }
    return false;
}

}  // namespace sumbrel::testing
