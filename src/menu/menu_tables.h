#pragma once
// The shop's menu as the last good loads gave it: the categories, the catalogue and the menu page's
// tabs and tiles. The application object owns it; the screens read and replace it on their thread,
// and work on another thread gets a snapshot of the catalogue, never a reference into this.
#include "catalogue/category_table.h"
#include "catalogue/menu_catalogue.h"
#include "menu/menu_page_data.h"

#include <memory>

namespace sumbrel::menu {

class MenuTables {
public:
    const CategoryTable& categories() const { return m_categories; }
    const MenuCatalogue& catalogue() const { return *m_catalogue; }
    std::shared_ptr<const MenuCatalogue> catalogueSnapshot() const { return m_catalogue; }
    const QStringList& tabs() const { return m_lists.categories; }
    const std::vector<TileEntry>& tiles() const { return m_lists.tiles; }
    // What the tabs and tiles were read from: a key of the page answer's text (empty when not known)
    // and the trace lines the reading wrote.
    const QByteArray& tilesKey() const { return m_tilesKey; }
    const QStringList& tilesNotes() const { return m_tilesNotes; }

    void setCategories(CategoryTable categories) { m_categories = std::move(categories); }
    // The catalogue alone (the login's load): the tiles stay.
    void setCatalogue(MenuCatalogue catalogue)
    {
        m_catalogue = std::make_shared<const MenuCatalogue>(std::move(catalogue));
        m_tilesKey.clear();  // the tiles were read against the catalogue before
    }
    // The tiles always with the catalogue they were read against.
    void setMenu(std::shared_ptr<const MenuCatalogue> catalogue, MenuPageLists lists, QByteArray tilesKey = {},
                 QStringList tilesNotes = {})
    {
        m_catalogue = catalogue ? std::move(catalogue) : std::make_shared<const MenuCatalogue>();
        m_lists = std::move(lists);
        m_tilesKey = std::move(tilesKey);
        m_tilesNotes = std::move(tilesNotes);
    }
    void setMenu(MenuCatalogue catalogue, MenuPageLists lists)
    {
        setMenu(std::make_shared<const MenuCatalogue>(std::move(catalogue)), std::move(lists));
    }

private:
    CategoryTable m_categories;
    std::shared_ptr<const MenuCatalogue> m_catalogue = std::make_shared<const MenuCatalogue>();
    MenuPageLists m_lists;
    QByteArray m_tilesKey;
    QStringList m_tilesNotes;
};

}  // namespace sumbrel::menu
