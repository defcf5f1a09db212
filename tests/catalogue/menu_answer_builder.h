#pragma once
// Catalogue answers written the way the web service writes them, for the parser tests.
#include "catalogue/menu_tags.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace sumbrel::testing {

// The tags in the order the service writes them ("num" before "SOregdate1num").
inline const QStringList& ServiceTagOrder()
{
    static const QStringList order = [] {
        QStringList tags;
        for (const MenuTag& t : kMenuTagList)
            tags << QString::fromLatin1(t.name.data(), qsizetype(t.name.size()));
        return tags;
    }();
    return order;
}

inline QString DefaultValue(const QString& tag)
{
    if (tag == u"num")
        return QStringLiteral("1");
    if (tag == u"category")
        return QStringLiteral("커피");
    if (tag == u"printtext")
        return QStringLiteral("1;음료;1");
    if (tag.startsWith(u"add"))
        return QString();
    return u'v' + tag;
}

// One "<menubrr>" record; tags in `omit` are left out, `order` replaces the service's order.
inline QString MenuRecordText(const QMap<QString, QString>& values, const QStringList& omit = {},
                              const QString& separator = QStringLiteral("\r\n"), QStringList order = {})
{
    if (order.isEmpty())
        order = ServiceTagOrder();
    QString text = QStringLiteral("<menubrr>") + separator;
    for (const QString& tag : order) {
        if (omit.contains(tag))
            continue;
        text += tag + u'[' + values.value(tag, DefaultValue(tag)) + u']' + tag + separator;
    }
    return text + QStringLiteral("</menubrr>\r\n");
}

// An add1..add5 value: yn, nooption, field, mincount and the (name, price) options.
inline QString GroupMarkup(const QString& yn, const QString& nooption, const QString& field, const QString& mincount,
                           const QList<QPair<QString, QString>>& options)
{
    QString s = QStringLiteral("<yn>") + yn + QStringLiteral("</yn><nooption>") + nooption
        + QStringLiteral("</nooption><field>") + field + QStringLiteral("</field><mincount>") + mincount
        + QStringLiteral("</mincount>");
    for (const auto& [name, price] : options)
        s += QStringLiteral("<subtitle>") + name + QStringLiteral("</subtitle><subprice>") + price
            + QStringLiteral("</subprice>");
    return s;
}

inline const QString kHead = QStringLiteral("\r\n\r\n<!-- shop api -->\n\n");

}  // namespace sumbrel::testing
