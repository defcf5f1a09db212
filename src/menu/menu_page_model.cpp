#include "menu/menu_page_model.h"

#include "catalogue/menu_catalogue.h"
#include "startup/parse.h"

namespace sumbrel::menu {

void MenuPageModel::open(const cart::OrderCart& cart)
{
    m_cart = cart;
    m_SELECTED = cart.order;
    m_loading = false;
}

void MenuPageModel::beginLoading()
{
    m_loading = true;
}

std::optional<MenuPageEnd> MenuPageModel::loadEnded(bool menuArrived)
{
    m_loading = false;
    if (!menuArrived) {
        setConfirmed(false);
        return MenuPageEnd::LoadFailed;
    }
    load();
    return std::nullopt;
}

MenuPageEnd MenuPageModel::cancelLoading()
{
    m_loading = false;
    setConfirmed(false);
    return MenuPageEnd::Left;
}

void MenuPageModel::setShape(const PageShape& shape)
{
    m_shape = shape;
    m_list.viewHeight = shape.listViewHeight;
}

void MenuPageModel::setConfirmed(bool confirmed)
{
    m_cart.selectionConfirmed = confirmed;
    if (confirmed)
        m_cart.order = m_SELECTED;
}

void MenuPageModel::load()
{
    m_Category = TabCategoryList().value(0);
    Show_MainMenu(0);
    m_Page = 0;
    Show_Menu(0);
    m_deadline.renew();
}

void MenuPageModel::Show_MainMenu(int direction)
{
    m_tabs = menu::Show_MainMenu(TabCategoryList(), m_Category, direction, m_shape.tabsPerStrip);
}

void MenuPageModel::Show_Menu(int direction)
{
    m_tiles = menu::Show_Menu(TileMenuTable(), m_Category, m_Page, direction, m_shape.tilesPerPage);
    m_Page = m_tiles.page;
}

const TileEntry* MenuPageModel::tileEntry(int k) const
{
    if (m_tiles.first < 0 || k < 0 || k >= m_tiles.count)
        return nullptr;
    const size_t r = size_t(m_tiles.first + k);
    return r < TileMenuTable().size() ? &TileMenuTable()[r] : nullptr;
}

bool MenuPageModel::touchTab(int tab)
{
    if (m_loading || tab < 0 || tab >= kTabCount || m_tabs.captions[size_t(tab)].isEmpty())
        return false;
    m_deadline.renew();
    m_Category = m_tabs.captions[size_t(tab)];
    Show_MainMenu(0);
    m_Page = 0;
    Show_Menu(0);
    return true;
}

KeyOutcome MenuPageModel::key(PageKey key)
{
    KeyOutcome outcome = KeyOutcome::Stay;
    if (m_loading)
        return outcome;
    switch (key) {
    case PageKey::PreviousGroup:
    case PageKey::NextGroup: {
        const QString before = m_tabs.captions[0];
        Show_MainMenu(key == PageKey::PreviousGroup ? -1 : +1);
        if (m_tabs.captions[0] != before)
            touchTab(0);
        m_Page = 0;
        Show_Menu(0);
        break;
    }
    case PageKey::PreviousPage:
        Show_Menu(-1);
        break;
    case PageKey::NextPage:
        Show_Menu(+1);
        break;
    case PageKey::ScrollBack:
        m_list.top = ScrollBack(m_list);
        break;
    case PageKey::ScrollOn:
        m_list.top = ScrollOn(m_list);
        break;
    case PageKey::Close:
        setConfirmed(false);
        outcome = KeyOutcome::Cancelled;
        break;
    case PageKey::Confirm:
        if (!m_SELECTED.isEmpty()) {
            setConfirmed(true);
            outcome = KeyOutcome::Confirmed;
        }
        break;
    }
    m_deadline.renew();
    return outcome;
}

bool MenuPageModel::cartFull() const
{
    return m_SELECTED.full();
}

TileTouch MenuPageModel::touchTile(int k) const
{
    TileTouch touch;
    const TileEntry* entry = tileEntry(k);
    if (m_loading || !entry || entry->col[kTileNum].isEmpty())
        return touch;
    if (cartFull()) {
        touch.kind = TileTouch::CartFull;
        return touch;
    }
    const qsizetype row = menuCatalogue().FindRow(QStringView(entry->col[kTileNum]));
    if (row < 0) {
        touch.kind = TileTouch::MenuError;
        return touch;
    }
    // Never a dialog for an item without a plain price (Parsing leaves such tiles out already).
    if (!ReadPrice(menuCatalogue().row(row).price()))
        return touch;
    touch.kind = TileTouch::OpenDialog;
    touch.dialog = DialogFor(entry->col[kTileOptionCount]);
    touch.srl = entry->col[kTileNum];
    touch.menuIndex = QString::number(row);
    return touch;
}

void MenuPageModel::afterDialog(const std::optional<order::OrderLine>& added)
{
    if (added)
        m_SELECTED.add(*added);
    m_deadline.renew();
}

OrderRowsLayout MenuPageModel::redraw(const TextWidth& width)
{
    OrderRowsLayout layout = LayOutOrderRows(m_SELECTED, width);
    if (layout.listHeight)
        m_list.height = *layout.listHeight;
    // A list that fits stands at its top; a longer one never shows space below its last row (a
    // list left scrolled by an earlier, longer cart would hide its only rows).
    m_list.top = ClampTop(m_list);
    return layout;
}

void MenuPageModel::scrollToEnd()
{
    m_list.top = ScrollToEnd(m_list);
}

bool MenuPageModel::stepRow(int row, int step)
{
    if (m_loading)
        return false;
    return m_SELECTED.step(row, step);
}

void MenuPageModel::deleteRow(int row)
{
    if (m_loading)
        return;
    m_SELECTED.remove(row);
}

std::optional<QString> MenuPageModel::idleTick()
{
    std::optional<QString> text = m_deadline.countdownText();
    if (!text)
        setConfirmed(false);
    return text;
}

}  // namespace sumbrel::menu
