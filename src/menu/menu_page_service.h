#pragma once
// The menu page's exchanges with the web service at each opening: the categories, the catalogue and
// the page's own tile list. A load replaces the tables only with good answers, and the tiles and the
// catalogue they open always come from the same load.
#include "catalogue/category_table.h"
#include "catalogue/menu_catalogue.h"
#include "menu/menu_page_data.h"
#include "menu/menu_tables.h"
#include "server/endpoints.h"

#include <QString>
#include <optional>

namespace sumbrel::menu {

struct MenuLoad {
    bool categories = false;  // the categories replaced
    bool menu = false;  // the catalogue, the tabs and the tiles replaced together
};

// What the three answers gave, read but not yet applied: each part only when its answer was good.
struct MenuPageData {
    std::optional<CategoryTable> categories;
    std::shared_ptr<const MenuCatalogue> catalogue;  // none when its answer was not good
    std::optional<MenuPageLists> lists;  // read against `catalogue`
    long pageStatus = 0;  // of the PostMenuPageRequest answer, for the trace
    // The page answer was the text the shown tiles were read from, against the same catalogue: they
    // stay, unread again (lists is empty then; the text is kept for tables changed meanwhile).
    bool sameTiles = false;
    QString pageText;
    QByteArray pageKey;
    QStringList pageNotes;  // the reading's trace lines, written already
};

// The tiles on show, for an opening to tell whether its answer brings anything new.
struct ShownTiles {
    QByteArray key;
    QStringList notes;
};

class MenuPageService {
public:
    using Transport = endpoints::Poster;

    // The requests carry the session's address and account; fetch works on a copy of it.
    explicit MenuPageService(Session session)
        : m_session(std::move(session))
    {
    }

    // PostForm unless replaced.
    void setTransport(Transport transport) { m_transport = std::move(transport); }

    // The categories, the catalogue of "전체" and PostMenuPageRequest with "checktypes" = caller, at
    // once on threads of their own, read and returned. Touches no table: safe on any thread (the
    // trace log takes lines from any); the transport is called from three threads at once.
    // cancel ends the exchanges under way, and those not yet started never start.
    // last: the catalogue shown now, taken again when the answer is the text it was read from.
    // shown: the tiles read with `last`; a page answer of the same text against it is not read again.
    MenuPageData fetch(const QString& caller, const CancelFlag& cancel = {},
                       std::shared_ptr<const MenuCatalogue> last = {}, const ShownTiles& shown = {}) const;
    // The fetched tables into the terminal's, on the screens' thread. What did not come back good
    // keeps its last good table; the trace says so.
    static MenuLoad apply(MenuPageData data, MenuTables& tables);
    // fetch, then apply.
    MenuLoad load(const QString& caller, MenuTables& tables);

private:
    Transport m_transport;
    Session m_session;
};

}  // namespace sumbrel::menu
