#include "menu/option_menu.h"

#include "access/language.h"
#include "startup/parse.h"

#include <algorithm>

namespace sumbrel::menu {

QString OptionHeading(int j, const OptionGroup& group)
{
    QString heading = QString::number(j + 1) + QStringLiteral(") ") + group.name;
    if (group.required() >= 2) {
        const QString shown = group.minimumCapped() ? QString::number(group.required()) : group.minimumText;
        heading = access::Tr("%1 (최소: %2개 선택)").arg(heading, shown);
    }
    return heading;
}

QString PriceCaption(order::Money price)
{
    const QString shown = price.caption();
    return price.won() < 0 ? u'(' + shown + u')' : QStringLiteral("(+") + shown + u')';
}

OptionMenu::OptionMenu(MenuItem item, OptionPaging paging)
    : m_item(std::move(item))
    , m_paging(paging)
{
    m_paging.groupsPerPage = std::max(1, m_paging.groupsPerPage);
    m_paging.rowsFitting = std::max(1, m_paging.rowsFitting);
    m_paging.rowsPaged = std::clamp(m_paging.rowsPaged, 1, m_paging.rowsFitting);
    for (const OptionGroupSlot& given : m_item.groups)
        m_notes << given.notes;
    for (int from = 0; from < kOptionGroups; ++from) {
        const OptionGroup* g = m_item.groups[size_t(from)].offered ? &*m_item.groups[size_t(from)].offered : nullptr;
        if (!g)
            continue;
        const int j = m_groupCount++;
        m_slotOf[size_t(j)] = from;
        QList<bool>& chosen = m_chosen[size_t(j)];
        chosen.fill(false, g->options.size());
        if (g->singleChoice)
            chosen[0] = true;
        if (g->minimumCapped())
            m_notes << QStringLiteral("minimum %1 of %2 exceeds its %3 options, capped")
                           .arg(g->minimumText, g->name)
                           .arg(g->options.size());
    }
    computeTotal();
}

const OptionGroup* OptionMenu::group(int j) const
{
    if (j < 0 || j >= kOptionGroups || m_slotOf[size_t(j)] < 0)
        return nullptr;
    return &*m_item.groups[size_t(m_slotOf[size_t(j)])].offered;
}

bool OptionMenu::isChosen(int j, int k) const
{
    if (!group(j) || k < 0 || k >= m_chosen[size_t(j)].size())
        return false;
    return m_chosen[size_t(j)][k];
}

void OptionMenu::touch(int j, int k)
{
    const OptionGroup* g = group(j);
    if (!g || k < 0 || k >= g->options.size())
        return;
    QList<bool>& chosen = m_chosen[size_t(j)];
    if (g->singleChoice) {
        for (qsizetype i = 0; i < chosen.size(); ++i)
            chosen[i] = i == k;
    } else {
        chosen[k] = !chosen[k];
    }
}

bool OptionMenu::computeTotal()
{
    m_valid = true;
    order::OrderLine line{m_item.num, m_item.name, m_item.price, m_quantity.value(), {}};
    for (int j = 0; j < kOptionGroups; ++j) {
        const OptionGroup* g = group(j);
        if (!g)
            continue;
        int ticked = 0;
        for (qsizetype k = 0; k < g->options.size(); ++k) {
            if (!m_chosen[size_t(j)][k])
                continue;
            const MenuOption& option = g->options[k];
            line.unitPrice += option.price;
            line.options.append({g->name, option.name, option.price, j});
            ++ticked;
        }
        if (!g->singleChoice && ticked < g->required())
            m_valid = false;
    }
    m_selection = std::move(line);
    return true;
}

QString OptionMenu::totalText() const
{
    return lineTotal().caption();
}

std::optional<order::OrderLine> OptionMenu::added() const
{
    return LineToAdd(m_item, m_selection);
}

int OptionMenu::groupPages() const
{
    int last = -1;
    for (int j = 0; j < kOptionGroups; ++j) {
        if (group(j))
            last = j;
    }
    return last < 0 ? 1 : last / m_paging.groupsPerPage + 1;
}

void OptionMenu::togglePage()
{
    m_groupPage = m_groupPage + 1 < groupPages() ? m_groupPage + 1 : 0;
}

bool OptionMenu::turnGroupPage(int step)
{
    const int to = m_groupPage + step;
    if (step == 0 || to < 0 || to >= groupPages())
        return false;
    m_groupPage = to;
    return true;
}

int OptionMenu::rowPages(int j) const
{
    const OptionGroup* g = group(j);
    if (!g)
        return 0;
    const int per = rowsPerPage(g->options.size());
    return std::max(1, int((g->options.size() + per - 1) / per));
}

int OptionMenu::rowPage(int j) const
{
    return group(j) ? m_rowPage[size_t(j)] : 0;
}

void OptionMenu::stepRowPage(int j, int step)
{
    const int pages = rowPages(j);
    if (pages < 2)
        return;
    m_rowPage[size_t(j)] = ((m_rowPage[size_t(j)] + step) % pages + pages) % pages;
}

bool OptionMenu::turnRowPage(int j, int step)
{
    const int to = rowPage(j) + step;
    if (step == 0 || to < 0 || to >= rowPages(j))
        return false;
    m_rowPage[size_t(j)] = to;
    return true;
}

int OptionMenu::rowSlot(int j, int k) const
{
    const OptionGroup* g = group(j);
    if (!g || k < 0 || k >= g->options.size())
        return -1;
    const int per = rowsPerPage(g->options.size());
    return k / per == rowPage(j) ? k % per : -1;
}

QString OptionMenu::rowPageText(int j) const
{
    return QString::number(rowPage(j) + 1) + u'/' + QString::number(rowPages(j));
}

}  // namespace sumbrel::menu
