// Loading the catalogue and the categories from the demo shop service.
#include "catalogue/category_table.h"
#include "catalogue/menu_catalogue.h"
#include "server/endpoints.h"
#include "server/fields.h"
#include "support/option_groups.h"
#include "support/shop_test.h"

#include <QJsonObject>
#include <QRegularExpression>
#include <functional>

using namespace sumbrel;
using namespace sumbrel::testing;

namespace {

class CatalogueDemo : public ShopTest {
protected:
    // As the terminal loads them: a failed load keeps the last good table.
    bool load(const QString& category)
    {
        if (std::optional<MenuCatalogue> t = FetchMenuCatalogue(session, category))
            menu = std::move(*t);
        return true;
    }
    bool loadCategories()
    {
        if (std::optional<CategoryTable> t = FetchCategories(session))
            categories = std::move(*t);
        return true;
    }
    MenuCatalogue menu;
    CategoryTable categories;
    // The catalogue as the service serves it, fetched apart from the loader.
    QString servedCatalogue() const
    {
        return PostText(endpoints::Url(session, endpoints::kCatalogue), endpoints::CatalogueBody(session, QStringLiteral("전체")));
    }
};

TEST_F(CatalogueDemo, LoadGivesTheShopsMenu)
{
    const QString served = servedCatalogue();
    const qsizetype records = CountOf(served, u"<menubrr>");
    ASSERT_GT(records, 50);

    ASSERT_TRUE(load(QStringLiteral("전체")));
    const MenuCatalogue& t = menu;
    EXPECT_EQ(t.rowCount(), records);
    // The two "분류없음" items of the shop leave two empty slots at the end.
    EXPECT_EQ(t.takenCount(), records - 2);
    EXPECT_TRUE(t.row(records - 1).isEmpty());
    EXPECT_TRUE(t.row(records - 2).isEmpty());
    EXPECT_FALSE(t.row(records - 3).isEmpty());
    EXPECT_EQ(t.FindMenu(158L), nullptr);
    EXPECT_EQ(t.FindMenu(159L), nullptr);
    EXPECT_TRUE(served.contains(QStringLiteral("num[158]num")));

    // Rows follow the answer: every taken row's number appears in the answer, in order.
    qsizetype pos = 0;
    for (qsizetype r = 0; r < t.takenCount(); ++r) {
        const qsizetype at = served.indexOf(QStringLiteral("num[") + t.row(r).num + QStringLiteral("]num"), pos);
        ASSERT_GE(at, 0) << "row " << r;
        pos = at;
    }

    const MenuRecord* americano = t.FindMenu(103L);
    ASSERT_NE(americano, nullptr);
    EXPECT_EQ(americano->title, QStringLiteral("아메리카노"));
    EXPECT_EQ(americano->price, order::Money::Won(2500));
    EXPECT_EQ(americano->category, QStringLiteral("커피"));
    EXPECT_EQ(GroupText(americano->groups[0]), QStringLiteral("N|사이즈|1|레귤러=0|라지=500|벤티=1000"));
    EXPECT_EQ(GroupText(americano->groups[1]),
              QStringLiteral("N|추가 선택|0|샷 추가=500|바닐라 시럽=300|헤이즐넛＆카라멜 시럽=500|휘핑 + 드리즐=700"));
    EXPECT_EQ(GroupText(americano->groups[2]), QString());
    EXPECT_EQ(GroupText(americano->groups[3]), QString());  // served with an empty yn
    EXPECT_EQ(americano->value("printtext"), QStringLiteral("1;음료;103"));
    EXPECT_EQ(americano->description,
              QStringLiteral("아메리카노 - 주문 즉시 만들어 드립니다.\r\n알레르기 정보는 직원에게 문의하세요."));
    EXPECT_EQ(americano->value("positemnumber"), QStringLiteral("P103"));

    const MenuRecord* espresso = t.FindMenu(101L);
    ASSERT_NE(espresso, nullptr);
    EXPECT_EQ(espresso->title, QStringLiteral("에스프레소"));
    EXPECT_EQ(espresso->optionGroupCount(), 0);
    EXPECT_EQ(t.FindRow(u"101"), 0);

    // 아인슈페너: size and sweetness with the second slot left unused.
    const MenuRecord* einspanner = t.FindMenu(121L);
    ASSERT_NE(einspanner, nullptr);
    EXPECT_EQ(einspanner->title, QStringLiteral("아인슈페너"));
    EXPECT_TRUE(einspanner->groups[0].offered.has_value());
    EXPECT_FALSE(einspanner->groups[1].given);
    EXPECT_EQ(GroupText(einspanner->groups[2]), QStringLiteral("N|당도|1|기본=0|덜 달게=0|더 달게=0"));

    // Escaped names come back decoded.
    bool sawAde = false;
    for (qsizetype r = 0; r < t.takenCount(); ++r)
        sawAde |= t.row(r).category == u"에이드＆주스";
    EXPECT_TRUE(sawAde);
    const MenuRecord* shot = nullptr;
    for (qsizetype r = 0; r < t.takenCount(); ++r)
        if (t.row(r).title == u"아메리카노 + 샷")
            shot = &t.row(r);
    ASSERT_NE(shot, nullptr);
    EXPECT_EQ(shot->num, QStringLiteral("123"));

    // Sold-out item is loaded like any other.
    const MenuRecord* bingsu = t.FindMenu(157L);
    ASSERT_NE(bingsu, nullptr);
    EXPECT_EQ(bingsu->title, QStringLiteral("팥빙수"));
    EXPECT_EQ(bingsu->value("soldoutYN"), QStringLiteral("Y"));
    EXPECT_EQ(bingsu->value("SOregdate2"), QStringLiteral("2025-02-28"));
}

TEST_F(CatalogueDemo, LoadLogsRequestAndAnswerOnTheCatalogueChannel)
{
    ASSERT_TRUE(load(QStringLiteral("전체")));
    const QStringList lines = logEntries(QStringLiteral("_WinHttp_3"));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0],
              RedactPasswords(QStringLiteral("Read_메뉴() ... ") + shop->httpBase()
                              + QStringLiteral("/Admin/menuloading1.php?ID=demo&PassWord=demo1234&category=전체")));
    // The catalogue is longer than a trace keeps: its start and its length.
    const QString served = servedCatalogue();
    ASSERT_GT(served.size(), endpoints::kTracedAnswerChars);
    EXPECT_EQ(lines[1],
              QStringLiteral("Read_메뉴() ... ResponseStr:\r\n") + served.left(endpoints::kTracedAnswerChars)
                  + QStringLiteral("\r\n... (응답 ") + QString::number(served.size())
                  + QStringLiteral("자 중 앞 65536자만 기록)"));
    const QJsonObject request = shop->requests().first().toObject();
    EXPECT_EQ(request.value(QStringLiteral("raw_body")).toString(),
              QStringLiteral("ID=demo&PassWord=demo1234&category=전체"));
}

// A day of menu openings asks for the same catalogue again and again: an answer as the last one is
// one short line, a changed one in full, and every request is traced.
TEST_F(CatalogueDemo, AnUnchangedAnswerIsOneShortLineAChangedOneIsTracedInFull)
{
    const QString catalogue = QStringLiteral("/Admin/menuloading1.php");
    const QString changed = servedCatalogue().replace(QStringLiteral("카페라떼"), QStringLiteral("카페 라떼"));
    const QRegularExpression same(QStringLiteral("^Read_메뉴\\(\\) \\.\\.\\. ResponseStr: 직전과 동일\\. \\d+ms 걸림\\.$"));
    const struct {
        const char* what;
        std::function<void()> before;
        bool full;
    } steps[] = {
        {"first", {}, true},
        {"unchanged", {}, false},
        {"changed", [&] { shop->setFault(catalogue, QStringLiteral("status"), 1, 200, 0, changed); }, true},
        {"back as it was", {}, true},
        {"unchanged again", {}, false},
        {"dropped", [&] { shop->setFault(catalogue, QStringLiteral("close"), 3); }, true},
        {"after the drop", {}, true},
    };
    qsizetype traced = 0;
    for (const auto& step : steps) {
        if (step.before)
            step.before();
        load(QStringLiteral("전체"));
        const QStringList lines = logEntries(QStringLiteral("_WinHttp_3"));
        ASSERT_EQ(lines.size(), traced + 2) << step.what;
        traced = lines.size();
        EXPECT_TRUE(lines[traced - 2].startsWith(QStringLiteral("Read_메뉴() ... http"))) << step.what;
        EXPECT_EQ(lines[traced - 1].startsWith(QStringLiteral("Read_메뉴() ... ResponseStr:\r\n")), step.full) << step.what;
        EXPECT_EQ(same.match(lines[traced - 1]).hasMatch(), !step.full) << step.what;
    }
}

TEST_F(CatalogueDemo, EachLoadReplacesTheWholeTable)
{
    ASSERT_TRUE(load(QStringLiteral("전체")));
    const qsizetype all = menu.rowCount();
    ASSERT_TRUE(load(QStringLiteral("라떼")));
    EXPECT_EQ(menu.rowCount(), 8);
    EXPECT_LT(menu.rowCount(), all);
    EXPECT_EQ(menu.FindMenu(101L), nullptr);
    ASSERT_NE(menu.FindMenu(125L), nullptr);
    EXPECT_EQ(menu.FindMenu(125L)->title, QStringLiteral("카페라떼"));

    // A failing service, a dropped answer or a refusal is no menu: the last good table stays, traced.
    const struct {
        const char* what;
        std::function<void()> fault;
    } failures[] = {
        {"500 page",
         [&] { shop->setFault(QStringLiteral("/Admin/menuloading1.php"), QStringLiteral("status"), 1, 500); }},
        {"dropped", [&] { shop->setFault(QStringLiteral("/Admin/menuloading1.php"), QStringLiteral("close"), 3); }},
        {"refused", [&] { session.loginPassword = QStringLiteral("wrong"); }},
    };
    for (const auto& f : failures) {
        f.fault();
        EXPECT_TRUE(load(QStringLiteral("전체"))) << f.what;
        EXPECT_EQ(menu.rowCount(), 8) << f.what;
    }
    EXPECT_EQ(logEntries().filter(QStringLiteral("이전 메뉴를 유지함")).size(), 3);
}

TEST_F(CatalogueDemo, CategoriesOfTheShop)
{
    ASSERT_TRUE(loadCategories());
    const CategoryTable& t = categories;
    const QStringList names = {QStringLiteral("커피"),         QStringLiteral("라떼"),   QStringLiteral("티"),
                               QStringLiteral("에이드＆주스"), QStringLiteral("디저트"), QStringLiteral("베이커리"),
                               QStringLiteral("시즌 메뉴")};
    ASSERT_EQ(t.rowCount(), names.size());  // "분류없음" is left out
    for (qsizetype r = 0; r < t.rowCount(); ++r) {
        EXPECT_EQ(t.row(r).num, QString::number(r + 1));
        EXPECT_EQ(t.row(r).name, names[r]);
        // Only 디저트 is folded ("Y") in the shop's data.
        EXPECT_EQ(t.row(r).folded, names[r] == u"디저트") << r;
    }
    const QStringList lines = logEntries(QStringLiteral("_WinHttp_3"));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0],
              RedactPasswords(QStringLiteral("Read_대분류_전체() ... ") + shop->httpBase()
                              + QStringLiteral("/Admin/categoryloading.php?ID=demo&PassWord=demo1234")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Read_대분류_전체() ... ResponseStr:\r\n")));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("category[시즌 메뉴]category")));

    shop->setFault(QStringLiteral("/Admin/categoryloading.php"), QStringLiteral("close"), 3);
    EXPECT_TRUE(loadCategories());
    EXPECT_EQ(categories.rowCount(), names.size()) << "the last good categories stay";
}

}  // namespace
