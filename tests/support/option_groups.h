#pragma once
// Option groups in the tests' short writing.
#include "catalogue/menu_catalogue.h"

#include <QStringList>
#include <initializer_list>
#include <utility>

namespace sumbrel::testing {

// "noOption|name|minimum|option=won|...", or just "noOption" for a group given but not offered, or
// empty for none.
inline QString GroupText(const OptionGroupSlot& g)
{
    if (!g.given)
        return QString();
    QStringList parts{g.noOption};
    if (g.offered) {
        parts << g.offered->name << g.offered->minimumText;
        for (const MenuOption& o : g.offered->options)
            parts << o.name + u'=' + QString::number(o.price.won());
    }
    return parts.join(u'|');
}

// A group in the tests' short writing of an addN value, "noOption◈name◈minimum◈option◈price◈...", read by
// the catalogue's own rules (unnamed options and groups dropped, with their notes). Empty: none.
inline OptionGroupSlot Group(const QString& text, int slot = 0)
{
    if (text.isEmpty())
        return {};
    const QStringList p = text.split(u'◈');
    OptionGroupBuilder built(slot, p.value(0), p.value(1), p.value(2));
    for (qsizetype i = 3; i < p.size(); i += 2)
        built.add(p[i], p.value(i + 1));
    return built.finish();
}

// Slot j of the record holds texts[j].
inline std::array<OptionGroupSlot, kOptionGroups> Groups(const std::array<QString, kOptionGroups>& texts)
{
    std::array<OptionGroupSlot, kOptionGroups> groups;
    for (int j = 0; j < kOptionGroups; ++j)
        groups[size_t(j)] = Group(texts[size_t(j)], j);
    return groups;
}

}  // namespace sumbrel::testing
