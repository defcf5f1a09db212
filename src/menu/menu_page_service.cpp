#include "menu/menu_page_service.h"

#include "startup/trace_log.h"

#include <future>

namespace sumbrel::menu {

MenuPageData MenuPageService::fetch(const QString& caller, const CancelFlag& cancel,
                                    std::shared_ptr<const MenuCatalogue> last, const ShownTiles& shown) const
{
    const Transport transport = m_transport;
    const Session session = m_session;
    const endpoints::Poster post = [transport, cancel](const QString& url, const QString& body,
                                                       const CallOptions& options) {
        CallOptions cancellable = options;
        cancellable.cancel = cancel;
        if (cancel && cancel->load()) {
            PostResult none;
            none.failure = NetFailure::Cancelled;
            return none;
        }
        return transport ? transport(url, body, cancellable) : PostForm(url, body, cancellable);
    };
    // The three ask the shop at once: the page waits for the slowest answer, not for their sum.
    auto categories = std::async(std::launch::async, [&post, &session] { return FetchCategories(session, post); });
    auto pageAnswer = std::async(std::launch::async,
                                 [&post, &session, &caller] { return PostMenuPageRequest(session, caller, post); });
    MenuPageData data;
    const MenuCatalogue* const lastTable = last.get();
    data.catalogue = FetchMenuCatalogueAgain(session, QStringLiteral("전체"), std::move(last), post);
    data.categories = categories.get();
    const PostResult page = pageAnswer.get();
    data.pageStatus = page.status;
    if (!data.catalogue || !page.good())
        return data;
    data.pageKey = endpoints::AnswerKey(page.text);
    if (!shown.key.isEmpty() && shown.key == data.pageKey && data.catalogue.get() == lastTable) {
        // The same text against the same table gives the same tiles; the reading's trace is written again.
        data.sameTiles = true;
        data.pageText = page.text;
        data.pageNotes = shown.notes;
    } else {
        data.lists = ReadMenuPage(page.text, *data.catalogue, nullptr, &data.pageNotes);
    }
    for (const QString& note : data.pageNotes)
        WriteLog(note);
    return data;
}

MenuLoad MenuPageService::apply(MenuPageData data, MenuTables& tables)
{
    MenuLoad done;
    if (data.categories) {
        tables.setCategories(std::move(*data.categories));
        done.categories = true;
    }
    if (data.sameTiles) {
        if (tables.tilesKey() == data.pageKey && tables.catalogueSnapshot() == data.catalogue) {
            done.menu = true;
            return done;
        }
        // The tables changed meanwhile: read the text for them after all (its trace is written).
        data.pageNotes.clear();
        data.lists = ReadMenuPage(data.pageText, *data.catalogue, nullptr, &data.pageNotes);
    }
    if (!data.lists) {
        // Tiles that name items of another catalogue would open the wrong item or none.
        WriteLog(
            QStringLiteral("menuloading3() ... 메뉴를 새로 받지 못해 지난 메뉴를 그대로 둠 (")
            + (data.catalogue ? QStringLiteral("메뉴판 ") + QString::number(data.pageStatus) : QStringLiteral("메뉴"))
            + u')');
        return done;
    }
    tables.setMenu(std::move(data.catalogue), std::move(*data.lists), std::move(data.pageKey),
                   std::move(data.pageNotes));
    done.menu = true;
    return done;
}

MenuLoad MenuPageService::load(const QString& caller, MenuTables& tables)
{
    return apply(fetch(caller, {}, tables.catalogueSnapshot(), {tables.tilesKey(), tables.tilesNotes()}), tables);
}

}  // namespace sumbrel::menu
