#include "menu/menu_page_service.h"

#include "catalogue/category_table.h"
#include "catalogue/menu_catalogue.h"
#include "menu/menu_page_data.h"
#include "startup/trace_log.h"

namespace sumbrel::menu {

MenuLoad MenuPageService::load(const QString& caller)
{
    MenuLoad done;
    if (std::optional<CategoryTable> categories = FetchCategories(m_transport)) {
        categoryTable() = std::move(*categories);
        done.categories = true;
    }
    std::optional<MenuCatalogue> catalogue = FetchMenuCatalogue(QStringLiteral("전체"), m_transport);
    const PostResult page = menuloading3(caller, m_transport);
    std::optional<MenuPageLists> lists;
    if (catalogue && page.good())
        lists = ReadMenuPage(page.text, *catalogue);
    if (!lists) {
        // Tiles that name items of another catalogue would open the wrong item or none.
        WriteLog(QStringLiteral("menuloading3() ... 메뉴를 새로 받지 못해 이전 메뉴로 보여 줌 (")
                 + (catalogue ? QStringLiteral("메뉴판 ") + QString::number(page.status) : QStringLiteral("메뉴"))
                 + u')');
        return done;
    }
    menuCatalogue() = std::move(*catalogue);
    TabCategoryList() = std::move(lists->categories);
    TileMenuTable() = std::move(lists->tiles);
    done.menu = true;
    return done;
}

}  // namespace sumbrel::menu
