#pragma once
// Finds a screen's widgets as a person or a screen reader would name them: by object name, or by
// the accessible name (a key's caption). A missing widget fails the test where it is looked for.
#include <QList>
#include <QString>
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

// name_index, as the screens name the members of an indexed set ("CMD2_11", "picMenu_3").
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

}  // namespace sumbrel::testing
