#include "menu/menu_page_model.h"


namespace sumbrel::menu {

void MenuPageModel::open(const cart::OrderCart& cart)
{
    m_cart = cart;
    composed = cart.order;
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
        m_cart.order = composed;
}

void MenuPageModel::load()
{
    category = m_tables->tabs().value(0);
    showTabStrip(0);
    page = 0;
    showTilePage(0);
    m_deadline.renew();
}

void MenuPageModel::showTabStrip(int direction)
{
    m_tabs = menu::showTabStrip(m_tables->tabs(), category, direction, m_shape.tabsPerStrip);
}

void MenuPageModel::showTilePage(int direction)
{
    m_tiles = menu::showTilePage(m_tables->tiles(), category, page, direction, m_shape.tilesPerPage);
    page = m_tiles.page;
}

const TileEntry* MenuPageModel::tileEntry(int k) const
{
    if (m_tiles.first < 0 || k < 0 || k >= m_tiles.count)
        return nullptr;
    const size_t r = size_t(m_tiles.first + k);
    return r < m_tables->tiles().size() ? &m_tables->tiles()[r] : nullptr;
}

bool MenuPageModel::touchTab(int tab)
{
    if (m_loading || tab < 0 || tab >= kTabCount || m_tabs.captions[size_t(tab)].isEmpty())
        return false;
    m_deadline.renew();
    category = m_tabs.captions[size_t(tab)];
    showTabStrip(0);
    page = 0;
    showTilePage(0);
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
        showTabStrip(key == PageKey::PreviousGroup ? -1 : +1);
        if (m_tabs.captions[0] != before)
            touchTab(0);
        page = 0;
        showTilePage(0);
        break;
    }
    case PageKey::PreviousPage:
        showTilePage(-1);
        break;
    case PageKey::NextPage:
        showTilePage(+1);
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
        if (!composed.isEmpty()) {
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
    return composed.full();
}

TileTouch MenuPageModel::touchTile(int k) const
{
    TileTouch touch;
    const TileEntry* entry = tileEntry(k);
    if (m_loading || !entry || entry->num.isEmpty())
        return touch;
    if (cartFull()) {
        touch.kind = TileTouch::CartFull;
        return touch;
    }
    const qsizetype row = m_tables->catalogue().FindRow(QStringView(entry->num));
    if (row < 0) {
        touch.kind = TileTouch::MenuError;
        return touch;
    }
    // Never a dialog for an item without a plain price (ReadMenuPage leaves such tiles out already).
    if (!m_tables->catalogue().row(row).price)
        return touch;
    touch.kind = TileTouch::OpenDialog;
    touch.dialog = DialogFor(entry->optionGroups);
    touch.tileNumber = entry->num;
    touch.row = row;
    return touch;
}

void MenuPageModel::afterDialog(const std::optional<order::OrderLine>& added)
{
    if (added)
        composed.add(*added);
    m_deadline.renew();
}

OrderRowsLayout MenuPageModel::redraw(const TextWidth& width)
{
    OrderRowsLayout layout = LayOutOrderRows(composed, width);
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
    return composed.step(row, step);
}

void MenuPageModel::deleteRow(int row)
{
    if (m_loading)
        return;
    composed.remove(row);
}

std::optional<QString> MenuPageModel::idleTick()
{
    std::optional<QString> text = m_deadline.countdownText();
    if (!text)
        setConfirmed(false);
    return text;
}

}  // namespace sumbrel::menu
