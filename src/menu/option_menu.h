#pragma once
// The option-menu dialog's rules: the item's option groups (compacted), the customer's choices,
// the minimum per group, the order line composed and the paging of the groups.
#include "menu/menu_item.h"
#include "menu/order.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

namespace sumbrel::menu {

// "1) Size", or "2) Topping (최소: 2개 선택)" when the minimum read as a number is 2 or more (a capped
// minimum names the number of options).
QString OptionHeading(int j, const OptionGroup& group);

// The price panel's caption: "(+500)", "(+1,000)"; a negative price shows as "(-500)".
QString PriceCaption(order::Money price);
inline QString PriceCaption(const MenuOption& option)
{
    return PriceCaption(option.price);
}

// How much of the options one page of the dialog shows; the larger layouts show fewer.
struct OptionPaging {
    int groupsPerPage = 3;
    int rowsFitting = 6;  // every row of a group while this many fit
    int rowsPaged = 5;  // else this many a page, beside the group's own page keys
};

class OptionMenu {
public:
    // The groups stand side by side, three a page: the second page shows groups 4 and 5.
    static constexpr int kGroupsPerPage = 3;
    // Inside a group panel: every row while six fit, else five a page with the panel's own page keys
    // beneath them, so that every option can be seen and touched.
    static constexpr int kRowsFitting = 6;
    static constexpr int kRowsPaged = 5;

    // activate's content: the offered groups moved to the front in their stored order; the first
    // option of every single-choice group chosen, no check box ticked, quantity 1.
    explicit OptionMenu(MenuItem item = {}, OptionPaging paging = {});

    const OptionPaging& paging() const { return m_paging; }
    int rowsPerPage(qsizetype options) const
    {
        return options <= m_paging.rowsFitting ? m_paging.rowsFitting : m_paging.rowsPaged;
    }

    const MenuItem& item() const { return m_item; }
    // lbl선택갯수: the number of groups offered.
    int groupCount() const { return m_groupCount; }
    // The group shown in slot j (0..4), or nullptr when slot j shows nothing.
    const OptionGroup* group(int j) const;
    // What was dropped for an empty name, or capped, one note each (for the trace).
    const QStringList& notes() const { return m_notes; }

    bool isChosen(int j, int k) const;
    // An option row or its price panel touched: a single-choice row is selected, a check box toggled.
    void touch(int j, int k);

    Quantity& quantity() { return m_quantity; }
    const Quantity& quantity() const { return m_quantity; }

    // Recomputes validity and the line from the choices and the quantity.
    bool computeTotal();
    // Every check-box group has at least its minimum ticked.
    bool valid() const { return m_valid; }
    // The item at its price with every chosen option, group by group, and the quantity.
    const order::OrderLine& selection() const { return m_selection; }
    order::Money unitTotal() const { return m_selection.unitPrice; }
    order::Money lineTotal() const { return m_selection.amount(); }
    QString totalText() const;  // "#,##0"

    // The line to add to the page's order; nullopt when the item has no name.
    std::optional<order::OrderLine> added() const;

    // The page of groups shown: 0, or 1 for groups 4 and 5 (with three groups a page).
    int groupPage() const { return m_groupPage; }
    int groupPages() const;
    // The page keys: on to the next page, from the last back to the first.
    void togglePage();
    // One page on (+1) or back (-1), without wrapping; false at either end.
    bool turnGroupPage(int step);

    // The rows' pages inside group j's panel: 1 when all rows fit, 0 for no group.
    int rowPages(int j) const;
    int rowPage(int j) const;
    // The group's page keys: one page on (+1) or back (-1), wrapping around.
    void stepRowPage(int j, int step);
    // The same without wrapping; false at either end.
    bool turnRowPage(int j, int step);
    // The row slot of option k on group j's current page, or -1 when the option stands on another page.
    int rowSlot(int j, int k) const;
    // "1/2" beside the group's page keys.
    QString rowPageText(int j) const;

private:
    MenuItem m_item;
    OptionPaging m_paging;
    // Slot j shows the item's group m_slotOf[j], or nothing (-1).
    std::array<int, kOptionGroups> m_slotOf{-1, -1, -1, -1, -1};
    std::array<QList<bool>, kOptionGroups> m_chosen;
    int m_groupCount = 0;
    QStringList m_notes;
    Quantity m_quantity;
    bool m_valid = true;
    order::OrderLine m_selection;
    int m_groupPage = 0;
    std::array<int, kOptionGroups> m_rowPage{};
};

// The design's paging is the default one.
static_assert(OptionPaging{}.groupsPerPage == OptionMenu::kGroupsPerPage
              && OptionPaging{}.rowsFitting == OptionMenu::kRowsFitting
              && OptionPaging{}.rowsPaged == OptionMenu::kRowsPaged);

}  // namespace sumbrel::menu
