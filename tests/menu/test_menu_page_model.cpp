// The menu page's lists from PostMenuPageRequest and its model: keys, tiles, hand-over and idle close.
#include "catalogue/category_table.h"
#include "catalogue/menu_answer_builder.h"
#include "catalogue/menu_catalogue.h"
#include "menu/menu_item.h"
#include "menu/menu_page_model.h"
#include "menu/menu_page_service.h"
#include "server/http_client.h"
#include "support/demo_shop.h"
#include "support/orders.h"
#include "support/shop_login.h"
#include "support/sumbrel_test.h"

#include <algorithm>

using namespace sumbrel;
using namespace sumbrel::menu;
using namespace sumbrel::testing;

namespace {

QString Entry(const QString& name, const QString& price, const QString& num)
{
    return QStringLiteral("<submenuname>") + name + QStringLiteral(" !!!!") + price + QStringLiteral("@@@@ !1!!!7@1@@@")
        + QStringLiteral(" !2!!!") + num + QStringLiteral("@2@@@ !3!!!a!123!b@3@@@ !5!!!five@5@@@ !4!!!N@4@@@")
        + QStringLiteral("</submenuname>\r\n");
}

QString Section(const QString& category, const QString& entries)
{
    return QStringLiteral("<mainmenuname> ") + category + QStringLiteral(" </mainmenuname>\r\n") + entries;
}

QString Answer(const QString& sections)
{
    return QStringLiteral("<html>\r\n<menubrr>\r\n") + sections + QStringLiteral("</menubrr>\r\n");
}

// A catalogue of the numbers with the given option group markups (empty: none).
void SetCatalogue(MenuTables& tables, const QList<QPair<QString, QStringList>>& items)
{
    QString answer;
    for (const auto& [num, groups] : items) {
        QMap<QString, QString> values{{QStringLiteral("num"), num}, {QStringLiteral("price"), QStringLiteral("1000")}};
        for (int j = 0; j < groups.size(); ++j)
            values.insert(QStringLiteral("add%1").arg(j + 1), groups[j]);
        answer += MenuRecordText(values);
    }
    tables.setCatalogue(ParseMenuAnswer(answer));
}

QString Size(const QString& field = QStringLiteral("사이즈"), const QString& option = QStringLiteral("라지"))
{
    return GroupMarkup(QStringLiteral("Y"), QStringLiteral("N"), field, QStringLiteral("1"),
                       {{option, QStringLiteral("500")}});
}

class MenuPageModelTest : public SumbrelTest {
protected:
    // The page's answer read against the catalogue in the tables, as a load applies it: false for an
    // entry without a marker; an answer without lists changes nothing.
    bool read(QStringView answer)
    {
        bool badEntry = false;
        std::optional<MenuPageLists> lists = ReadMenuPage(answer, tables.catalogue(), &badEntry);
        if (lists)
            tables.setMenu(tables.catalogue(), std::move(*lists));
        return !badEntry;
    }
    // Categories C1..Cn, each with `items` entries numbered from 100.
    void Fill(int categories, int items)
    {
        QString sections;
        QList<QPair<QString, QStringList>> catalogue;
        int num = 100;
        for (int c = 1; c <= categories; ++c) {
            QString entries;
            for (int i = 0; i < items; ++i, ++num) {
                entries += Entry(QStringLiteral("M%1").arg(num), QStringLiteral("1000"), QString::number(num));
                catalogue.append({QString::number(num), num % 2 ? QStringList{Size()} : QStringList{}});
            }
            sections += Section(QStringLiteral("C%1").arg(c), entries);
        }
        SetCatalogue(tables, catalogue);
        ASSERT_TRUE(read(Answer(sections)));
    }
    MenuTables tables;
    MenuPageModel model{tables};
};

}  // namespace

TEST_F(MenuPageModelTest, ParsingReplacesBothListsOnlyFromAWholeAnswer)
{
    SetCatalogue(tables, {{QStringLiteral("101"), {Size(), QString(), Size(QStringLiteral("온도"))}},
                  {QStringLiteral("102"), {Size(QString()), Size(QStringLiteral("샷"), QString())}}});
    const QString good = Answer(
        Section(QStringLiteral("커피!123!차"),
                Entry(QStringLiteral("아메리카노"), QStringLiteral("2500"), QStringLiteral("101"))
                    + Entry(QStringLiteral("라떼"), QStringLiteral("3000"), QStringLiteral("102"))
                    + Entry(QStringLiteral("없는 메뉴"), QStringLiteral("1"), QStringLiteral("999")))
        + Section(QStringLiteral("빈 분류"), QString()));
    ASSERT_TRUE(read(good));
    EXPECT_EQ(tables.tabs(), (QStringList{QStringLiteral("커피＆차"), QStringLiteral("빈 분류")}));
    ASSERT_EQ(tables.tiles().size(), 3u);
    const TileEntry& first = tables.tiles()[0];
    EXPECT_EQ(first, (TileEntry{QStringLiteral("커피＆차"), QStringLiteral("아메리카노"), order::Money::Won(2500),
                                QStringLiteral("7"), QStringLiteral("101"), 2, QStringLiteral("a＆b"),
                                QStringLiteral("five"), QStringLiteral("N")}))
        << "groups that can reach the cart: two for 101";
    // None for 102 (empty group name, empty option name), none for an item the catalogue lacks.
    EXPECT_EQ(tables.tiles()[1].optionGroups, 0);
    EXPECT_EQ(tables.tiles()[2].optionGroups, 0);
    EXPECT_EQ(logEntries().filter(QStringLiteral("menu 102 option group")).size(), 2);

    // Answers that change nothing.
    const auto before = tables.tiles();
    EXPECT_TRUE(read(QString()));
    EXPECT_TRUE(read(QStringLiteral("<menubrr>nothing</menubrr>")));
    EXPECT_TRUE(read(QStringLiteral("fault <mainmenuname>A</mainmenuname>")));
    QString broken = Entry(QStringLiteral("x"), QStringLiteral("1"), QStringLiteral("5"));
    broken.remove(QStringLiteral(" !4!!!N@4@@@"));
    EXPECT_FALSE(read(Answer(Section(QStringLiteral("A"), broken))));
    EXPECT_EQ(tables.tiles(), before);
    EXPECT_EQ(tables.tabs().size(), 2);
}

TEST_F(MenuPageModelTest, OnlyPlainPricesAreOfferedAndTracedOncePerLoad)
{
    // Digits only, blanks around and commas grouping three digits allowed, at most twelve digits.
    struct Case {
        const char16_t* tile;
        const char16_t* catalogue;
        const char16_t* shown;  // the tile's price, or nullptr when the item is not offered
    } cases[] = {
        {u"3000", u"3000", u"3,000원"},
        {u"3,500", u"3500", u"3,500원"},
        {u" 4000 ", u"4,000", u"4,000원"},
        {u"0", u"0", u"0원"},
        {u"999,999,999,999", u"999999999999", u"999,999,999,999원"},
        {u"abc", u"abc", nullptr},
        {u"", u"", nullptr},
        {u"-500", u"-500", nullptr},
        {u"1.5", u"1.5", nullptr},
        {u"35,00", u"3500", nullptr},
        {u"3000원", u"3000", nullptr},
        {u"1,000,000,000,000", u"1000000000000", nullptr},
        {u"3000", u"x", nullptr},
        {u"x", u"3000", nullptr},
    };
    QString entries;
    QString catalogue;
    int num = 500;
    for (const Case& c : cases) {
        entries += Entry(QStringLiteral("M%1").arg(num), QString::fromUtf16(c.tile), QString::number(num));
        catalogue += MenuRecordText({{QStringLiteral("num"), QString::number(num)},
                                     {QStringLiteral("price"), QString::fromUtf16(c.catalogue)}});
        ++num;
    }
    tables.setCatalogue(ParseMenuAnswer(catalogue));
    // Two loads: each refusal is traced once per load.
    for (int load = 0; load < 2; ++load)
        ASSERT_TRUE(read(Answer(Section(QStringLiteral("C"), entries))));
    model.load();
    num = 500;
    int tile = 0;
    for (const Case& c : cases) {
        const QString number = QString::number(num++);
        SCOPED_TRACE(number.toStdString());
        const QStringList traced = logEntries().filter(QStringLiteral("menu ") + number
                                                       + QStringLiteral(" not offered"));
        const auto item = ReadMenuItem(tables.catalogue(), tables.catalogue().FindRow(number));
        if (!c.shown) {
            EXPECT_EQ(traced.size(), 2);
            EXPECT_TRUE(std::none_of(tables.tiles().begin(), tables.tiles().end(),
                                     [&](const TileEntry& e) { return e.num == number; }));
            continue;
        }
        EXPECT_TRUE(traced.isEmpty());
        ASSERT_TRUE(model.tileEntry(tile));
        EXPECT_EQ(model.tileEntry(tile)->num, number);
        EXPECT_EQ(WonText(model.tileEntry(tile)->price), QString::fromUtf16(c.shown));
        EXPECT_EQ(model.touchTile(tile).kind, TileTouch::OpenDialog);
        ASSERT_TRUE(item.has_value());
        EXPECT_EQ(WonText(item->price), QString::fromUtf16(c.shown));
        ++tile;
    }
    EXPECT_FALSE(model.tileEntry(tile));
    // A catalogue row without a plain price opens no dialog, whatever the tile says.
    EXPECT_FALSE(ReadMenuItem(tables.catalogue(), tables.catalogue().FindRow(u"512")).has_value());
}

TEST_F(MenuPageModelTest, CategoryKeysWithFiveAndSevenCategories)
{
    Fill(5, 41);
    model.load();
    model.key(PageKey::NextPage);
    model.key(PageKey::NextPage);
    EXPECT_EQ(model.tiles().counter, QStringLiteral("3/3"));
    // Five categories: the tabs stay, page 1 of the current category again.
    EXPECT_EQ(model.key(PageKey::NextGroup), KeyOutcome::Stay);
    EXPECT_EQ(model.tabs().captions[4], QStringLiteral("C5"));
    EXPECT_EQ(model.category, QStringLiteral("C1"));
    EXPECT_EQ(model.tiles().counter, QStringLiteral("1/3"));
    model.key(PageKey::PreviousGroup);
    EXPECT_EQ(model.category, QStringLiteral("C1"));

    Fill(7, 3);
    model.load();
    model.key(PageKey::NextGroup);
    EXPECT_EQ(model.tabs().captions[0], QStringLiteral("C6"));
    EXPECT_EQ(model.tabs().captions[1], QStringLiteral("C7"));
    EXPECT_TRUE(model.tabs().captions[2].isEmpty());
    EXPECT_EQ(model.category, QStringLiteral("C6"));
    EXPECT_EQ(model.tabs().current, 0);
    EXPECT_EQ(model.tileEntry(0)->category, QStringLiteral("C6"));
    model.key(PageKey::NextGroup);
    EXPECT_EQ(model.category, QStringLiteral("C1"));
    model.key(PageKey::PreviousGroup);
    EXPECT_EQ(model.category, QStringLiteral("C6"));
    EXPECT_FALSE(model.touchTab(3));  // an empty tab
    EXPECT_TRUE(model.touchTab(1));
    EXPECT_EQ(model.category, QStringLiteral("C7"));
}

TEST_F(MenuPageModelTest, ListStaysInViewAfterTheOrderShrinks)
{
    for (int i = 0; i < 5; ++i)
        model.composed.add(order::Line(QStringLiteral("Tea"), 3000));
    const auto width = [](const QString&) { return 10; };
    model.redraw(width);
    model.scrollToEnd();
    EXPECT_EQ(model.list().top, 415 - 695);
    // The next customer starts empty (the height stays) and adds one line: it shows at the top.
    model.composed.clear();
    model.redraw(width);
    EXPECT_EQ(model.list().height, 695);
    model.composed.add(order::Line(QStringLiteral("Tea"), 3000));
    model.redraw(width);
    model.scrollToEnd();
    EXPECT_EQ(model.list().height, 135);
    EXPECT_EQ(model.list().top, 0);
}

TEST_F(MenuPageModelTest, GeneratedMenuPagesEndToEnd)
{
    // 41 items in two categories: 21 and 20.
    DemoShop shop({QStringLiteral("--seed-size"), QStringLiteral("41,2")});
    const Session session = ShopSession(shop);
    std::optional<MenuCatalogue> catalogue = FetchMenuCatalogue(session, QStringLiteral("전체"));
    ASSERT_TRUE(catalogue);
    tables.setCatalogue(std::move(*catalogue));
    ASSERT_TRUE(read(PostMenuPageRequest(session, QString()).text));
    EXPECT_EQ(tables.tabs(), (QStringList{QStringLiteral("커피"), QStringLiteral("라떼")}));
    EXPECT_EQ(tables.tiles().size(), 41u);
    model.load();
    EXPECT_EQ(model.tiles().counter, QStringLiteral("1/2"));
    model.key(PageKey::NextPage);
    EXPECT_EQ(model.tiles().count, 1);
    EXPECT_EQ(model.tileEntry(0)->name, QStringLiteral("커피 메뉴 21"));
    EXPECT_TRUE(model.touchTab(1));
    EXPECT_EQ(model.tiles().count, 20);
    EXPECT_TRUE(model.tiles().counter.isEmpty());
}

TEST_F(MenuPageModelTest, AFailedReloadKeepsTheLastGoodMenuWithItsOwnCatalogue)
{
    DemoShop shop;
    MenuPageService service(ShopSession(shop));
    const MenuLoad first = service.load(QString(), tables);
    ASSERT_TRUE(first.menu && first.categories);
    const MenuCatalogue catalogue = tables.catalogue();
    const QStringList tabs = tables.tabs();
    const std::vector<TileEntry> tiles = tables.tiles();
    const qsizetype categories = tables.categories().rowCount();
    ASSERT_FALSE(tiles.empty());
    // The same answer again is not read again: the same table; a changed one is read.
    const std::shared_ptr<const MenuCatalogue> shown = tables.catalogueSnapshot();
    ASSERT_TRUE(service.load(QString(), tables).menu);
    EXPECT_EQ(tables.catalogueSnapshot(), shown);
    const QString changed = PostText(endpoints::Url(ShopSession(shop), endpoints::kCatalogue),
                                     endpoints::CatalogueBody(ShopSession(shop), QStringLiteral("전체")))
                                .replace(QStringLiteral("카페라떼"), QStringLiteral("카페 라떼"));
    shop.setFault(QStringLiteral("/Admin/menuloading1.php"), QStringLiteral("status"), 1, 200, 0, changed);
    ASSERT_TRUE(service.load(QString(), tables).menu);
    EXPECT_NE(tables.catalogueSnapshot(), shown);
    ASSERT_TRUE(service.load(QString(), tables).menu);
    EXPECT_TRUE(tables.catalogue() == catalogue) << "back as it was";

    // Whichever of the three answers fails, the tiles and the catalogue they open stay one pair.
    const struct {
        const char* path;
        const char* kind;
        bool categoriesKept;
    } faults[] = {
        {"/shop/menuloading3.php", "status", false},    {"/shop/menuloading3.php", "garbage", false},
        {"/Admin/menuloading1.php", "close", false},    {"/Admin/menuloading1.php", "garbage", false},
        {"/Admin/categoryloading.php", "status", true},
    };
    for (const auto& f : faults) {
        SCOPED_TRACE(std::string(f.path) + " " + f.kind);
        shop.setFault(QString::fromLatin1(f.path), QString::fromLatin1(f.kind), f.kind == std::string("close") ? 3 : 1);
        const MenuLoad load = service.load(QString(), tables);
        EXPECT_EQ(load.categories, !f.categoriesKept);
        EXPECT_EQ(load.menu, f.categoriesKept) << "only a categories fault lets the menu through";
        EXPECT_TRUE(tables.catalogue() == catalogue);
        EXPECT_EQ(tables.tabs(), tabs);
        EXPECT_TRUE(tables.tiles() == tiles);
        EXPECT_EQ(tables.categories().rowCount(), categories);
        for (const TileEntry& t : tables.tiles())
            EXPECT_NE(tables.catalogue().FindMenu(QStringView(t.num)), nullptr);
    }
    EXPECT_EQ(logEntries().filter(QStringLiteral("지난 메뉴를 그대로 둠")).size(), 4);
}

TEST_F(MenuPageModelTest, TheSameTileAnswerKeepsItsTilesAndTracesItsReadingAgain)
{
    DemoShop shop;
    MenuPageService service(ShopSession(shop));
    const Session session = ShopSession(shop);
    // The shop's page with one entry more, whose price is refused: its reading traces a line.
    QString page = PostText(endpoints::Url(session, endpoints::kMenuPage), endpoints::MenuPageBody(session, QString()));
    const qsizetype end = page.lastIndexOf(QStringLiteral("</menubrr>"));
    ASSERT_GT(end, 0);
    page.insert(end, Section(QStringLiteral("C9"), Entry(QStringLiteral("X"), QStringLiteral("abc"), QStringLiteral("999"))));
    shop.setFault(QStringLiteral("/shop/menuloading3.php"), QStringLiteral("status"), 0, 200, 0, page);
    const auto refusals = [this] { return logEntries().filter(QStringLiteral("menu 999 not offered")).size(); };

    ASSERT_TRUE(service.load(QString(), tables).menu);
    const TileEntry* read = tables.tiles().data();
    const std::vector<TileEntry> tiles = tables.tiles();
    ASSERT_FALSE(tiles.empty());
    EXPECT_EQ(refusals(), 1);
    // The same texts: the same tiles, not read again, and the same trace.
    ASSERT_TRUE(service.load(QString(), tables).menu);
    EXPECT_EQ(tables.tiles().data(), read);
    EXPECT_EQ(refusals(), 2);
    // A catalogue put in meanwhile (the login's load): the tiles are read against it.
    tables.setCatalogue(MenuCatalogue(tables.catalogue()));
    ASSERT_TRUE(service.load(QString(), tables).menu);
    EXPECT_NE(tables.tiles().data(), read);
    EXPECT_TRUE(tables.tiles() == tiles);
    EXPECT_EQ(refusals(), 3);
    // Another page answer is read.
    shop.clearFaults();
    ASSERT_TRUE(service.load(QString(), tables).menu);
    EXPECT_EQ(refusals(), 3);
    EXPECT_FALSE(tables.tabs().contains(QStringLiteral("C9")));
    EXPECT_TRUE(tables.tiles() == tiles) << "the refused entry was no tile";
}

// While the menu loads no touch acts; the load's outcome, or the cancel, ends the loading state, and
// the cart handed back is confirmed only by "선택완료".
TEST_F(MenuPageModelTest, WhileTheMenuLoadsOnlyTheCancelActsAndEachEndHandsBackTheCart)
{
    Fill(2, 25);
    const order::Order tea = order::Of({order::Line(QStringLiteral("Tea"), 3000)});
    const cart::OrderCart handed{tea, true};  // confirmed at an earlier visit
    const struct {
        const char* name;
        std::optional<bool> menuArrived;  // nullopt: cancelled while loading
        std::optional<MenuPageEnd> end;  // nullopt: the page stays, on its first page
    } cases[] = {
        {"menu arrived", true, std::nullopt},
        {"menu failed", false, MenuPageEnd::LoadFailed},
        {"cancelled", std::nullopt, MenuPageEnd::Left},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        model.open(handed);
        model.beginLoading();
        ASSERT_TRUE(model.loading());
        for (PageKey key : {PageKey::NextPage, PageKey::NextGroup, PageKey::ScrollOn, PageKey::Close, PageKey::Confirm})
            EXPECT_EQ(model.key(key), KeyOutcome::Stay) << int(key);
        EXPECT_FALSE(model.touchTab(1));
        EXPECT_EQ(model.touchTile(0).kind, TileTouch::Nothing);
        EXPECT_FALSE(model.stepRow(0, +1));
        model.deleteRow(0);
        EXPECT_EQ(model.composed, tea);

        const std::optional<MenuPageEnd> end = c.menuArrived ? model.loadEnded(*c.menuArrived)
                                                             : std::optional(model.cancelLoading());
        EXPECT_FALSE(model.loading());
        EXPECT_EQ(end, c.end);
        if (end) {
            EXPECT_FALSE(model.result().selectionConfirmed);
            EXPECT_EQ(model.result().order, tea);
            continue;
        }
        EXPECT_EQ(model.tiles().counter, QStringLiteral("1/2"));
        EXPECT_EQ(model.touchTile(0).kind, TileTouch::OpenDialog);
        EXPECT_EQ(model.key(PageKey::Confirm), KeyOutcome::Confirmed);
        EXPECT_TRUE(model.result().selectionConfirmed);
    }
}
