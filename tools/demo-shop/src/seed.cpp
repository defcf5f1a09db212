#include "seed.h"

#include <deque>
#include <filesystem>
#include <vector>

#include "form.h"
#include "pictures.h"
#include "shop_db.h"

namespace fs = std::filesystem;

namespace demoshop {

std::string databasePath(const std::string& dataDir)
{
    return (fs::path(dataDir) / "shop.db").string();
}

std::string menuPicturePath(const std::string& dataDir, int num)
{
    return (fs::path(dataDir) / "menuimag" / (std::to_string(num) + ".png")).string();
}

std::string logoPath(const std::string& dataDir, int shopNumber)
{
    return (fs::path(dataDir) / "logoimag" / ("logo" + std::to_string(shopNumber) + "_1.png")).string();
}

namespace {

struct Option {
    const char* name;
    int price;
};

struct Group {
    const char* field;
    const char* mincount;
    std::vector<Option> options;
};

// Option names are stored plain; answers escape them.
std::string groupMarkup(const Group& g)
{
    std::string s = "<yn>Y</yn><nooption>N</nooption><field>";
    s += g.field;
    s += "</field><mincount>";
    s += g.mincount;
    s += "</mincount>";
    for (const auto& o : g.options) {
        s += "<subtitle>";
        s += o.name;
        s += "</subtitle><subprice>";
        s += std::to_string(o.price);
        s += "</subprice>";
    }
    return s;
}

const Group kSize{"사이즈", "1", {{"레귤러", 0}, {"라지", 500}, {"벤티", 1000}}};
const Group kExtra{
    "추가 선택", "0", {{"샷 추가", 500}, {"바닐라 시럽", 300}, {"헤이즐넛&카라멜 시럽", 500}, {"휘핑 + 드리즐", 700}}};
const Group kMilk{"우유 변경", "0", {{"오트 우유", 600}, {"두유", 500}, {"저지방 우유", 0}}};
const Group kTemp{"온도", "1", {{"따뜻하게", 0}, {"차갑게", 300}}};
const Group kSweet{"당도", "1", {{"기본", 0}, {"덜 달게", 0}, {"더 달게", 0}}};
const Group kIce{"얼음 양", "1", {{"보통", 0}, {"적게", 0}, {"많이", 0}}};
const Group kMacaron{
    "마카롱 맛", "2", {{"바닐라", 0}, {"초콜릿", 0}, {"라즈베리", 0}, {"피스타치오", 300}, {"솔티드 카라멜", 300}}};
const Group kTopping{"토핑", "2", {{"생크림", 0}, {"초코 시럽", 0}, {"딸기", 500}, {"블루베리", 500}, {"견과류", 300}}};
const Group kWarm{"데우기", "1", {{"그대로", 0}, {"따뜻하게 데워서", 0}}};
const Group kSet{"세트 변경", "0", {{"아메리카노 세트", 2000}, {"카페라떼 세트", 2500}}};

struct CategorySeed {
    const char* name;
    int hue;
    int value;  // brightness of the picture's drawing
    PictureShape shape;
    const char* info1;  // composition text shown in the item dialog
};

// Index 7 is the shop's catch-all category; the terminal never shows it.
const std::vector<CategorySeed> kCategories = {
    {"커피", 22, 165, PictureShape::Cup, "원두: 에티오피아 예가체프 & 브라질 산토스 블렌드"},
    {"라떼", 35, 215, PictureShape::Cup, "에스프레소 + 국내산 1등급 우유"},
    {"티", 110, 215, PictureShape::Cup, "찻잎 100% 잎차 사용"},
    {"에이드&주스", 50, 215, PictureShape::Glass, "생과일 착즙 + 탄산수"},
    {"디저트", 340, 215, PictureShape::Cake, "매일 아침 매장에서 직접 굽습니다"},
    {"베이커리", 38, 215, PictureShape::Bread, "프랑스산 버터 100%"},
    {"시즌 메뉴", 0, 215, PictureShape::Glass, "겨울 한정 메뉴"},
    {"분류없음", 210, 190, PictureShape::Box, "매장 전용"},
};

struct ItemSeed {
    int category;  // index into kCategories
    const char* title;
    int price;
    std::vector<const Group*> groups;  // up to five slots, nullptr = unused
    bool picture = true;
    bool soldout = false;
};

const std::vector<ItemSeed> kItems = {
    // 커피: more than 20, so the menu page needs a second page.
    {0, "에스프레소", 2000, {}},
    {0, "도피오", 2500, {}},
    {0, "아메리카노", 2500, {&kSize, &kExtra}},
    {0, "아이스 아메리카노", 3000, {&kSize, &kExtra, &kIce}},
    {0, "디카페인 아메리카노", 3000, {&kSize}},
    {0, "아이스 디카페인 아메리카노", 3500, {&kSize, &kIce}},
    {0, "헤이즐넛 아메리카노", 3000, {&kSize, &kExtra}},
    {0, "바닐라 아메리카노", 3000, {&kSize, &kExtra}},
    {0, "꿀 아메리카노", 3200, {&kSize, &kSweet}},
    {0, "롱블랙", 3000, {&kSize}, false},
    {0, "리스트레토", 2500, {}},
    {0, "콜드브루", 3500, {&kSize, &kExtra}},
    {0, "아이스 콜드브루", 3800, {&kSize, &kIce}},
    {0, "더치 커피", 4000, {&kSize}},
    {0, "카페 마키아토", 3200, {&kExtra}},
    {0, "콘파냐", 3300, {}},
    {0, "아포가토", 4500, {}},
    {0, "플랫 화이트", 4000, {&kSize, &kMilk}},
    {0, "코르타도", 3800, {&kMilk}},
    {0, "에스프레소 토닉", 4300, {&kIce}},
    {0, "아인슈페너", 4500, {&kSize, nullptr, &kSweet}},
    {0, "크림 콜드브루", 4800, {&kSize, &kExtra}, false},
    {0, "아메리카노 + 샷", 3000, {&kSize, &kExtra}},
    {0, "오늘의 커피", 2000, {}},
    // 라떼
    {1, "카페라떼", 3500, {&kSize, &kMilk, &kExtra}},
    {1, "아이스 카페라떼", 4000, {&kSize, &kMilk, &kExtra, &kIce}},
    {1, "바닐라 라떼", 4000, {&kSize, &kMilk}},
    {1, "카라멜 마키아토", 4300, {&kSize, &kMilk, &kExtra}},
    {1, "카페 모카", 4300, {&kSize, &kExtra}},
    {1, "쿠키＆크림 라떼", 4800, {&kSize}},
    {1, "녹차 라떼", 4200, {&kSize, &kMilk, &kSweet}},
    {1, "고구마 라떼", 4200, {&kTemp, &kSweet}},
    // 티
    {2, "얼그레이", 3000, {&kTemp}},
    {2, "캐모마일", 3000, {&kTemp}},
    {2, "페퍼민트", 3000, {}},
    {2, "유자차", 3500, {&kTemp, &kSweet}},
    {2, "아이스티 + 샷", 3500, {&kIce}},
    {2, "자몽 허니 블랙티", 4500, {&kSize, &kTemp}},
    // 에이드&주스
    {3, "레몬 에이드", 4000, {&kSize, &kIce}},
    {3, "자몽 에이드", 4300, {&kSize}},
    {3, "청포도 에이드", 4300, {}},
    {3, "오렌지 주스", 4500, {}},
    {3, "딸기&바나나 주스", 5000, {&kSize, &kSweet}},
    // 디저트
    {4, "티라미수", 5500, {}},
    {4, "뉴욕 치즈케이크", 5800, {&kSet}},
    {4, "초코 브라우니", 3800, {&kWarm}},
    {4, "마카롱 세트", 6500, {&kMacaron}, false},
    {4, "와플 & 아이스크림", 6000, {&kTopping, &kSet}},
    // 베이커리
    {5, "플레인 크루아상", 3200, {&kWarm}},
    {5, "치즈&베이컨 베이글", 4500, {&kWarm, &kSet}},
    {5, "소금빵", 2800, {}},
    {5, "블루베리 머핀", 3500, {}, false},
    {5, "햄 에그 샌드위치", 5500, {&kSet}},
    // 시즌 메뉴
    {6, "딸기 라떼", 5500, {&kSize, &kMilk}},
    {6, "딸기 + 바나나 스무디", 6000, {&kSize}},
    {6, "밤 크림 라떼", 5800, {&kSize, nullptr, &kExtra}},
    {6, "팥빙수", 7500, {&kTopping}, true, true},
    // 분류없음
    {7, "직원 음료", 2000, {}},
    {7, "시식용 케이크", 2000, {}, false},
};

// An unused option group is written either as nothing or as a group with
// an empty on-switch; the shop's data holds both.
std::string unusedGroup(int slot)
{
    return slot % 2 == 0 ? std::string() : "<yn></yn><nooption>N</nooption><field></field><mincount>0</mincount>";
}

MenuItem makeItem(const ItemSeed& s, const CategorySeed& cat, int num, int sort, int categoryNum)
{
    MenuItem m;
    m.num = num;
    m.categoryNum = categoryNum;
    m.sort = sort;
    auto& t = m.tags;
    t["title"] = s.title;
    t["price"] = std::to_string(s.price);
    t["type"] = "1";
    t["menumin"] = "1";
    t["discountt"] = "0";
    t["saving"] = "0";
    t["hallcheck"] = "Y";
    t["round"] = "0";
    for (int slot = 0; slot < 5; ++slot) {
        const Group* g = slot < static_cast<int>(s.groups.size()) ? s.groups[static_cast<size_t>(slot)] : nullptr;
        t["add" + std::to_string(slot + 1)] = g ? groupMarkup(*g) : unusedGroup(slot);
    }
    t["maxYN"] = "N";
    t["maxCount"] = "0";
    t["soldoutYN"] = s.soldout ? "Y" : "N";
    t["SOregdate1"] = s.soldout ? "2024-12-01" : "";
    t["SOregdate2"] = s.soldout ? "2025-02-28" : "";
    t["infotext1"] = cat.info1;
    t["infotext2"] = std::string(s.title) + " - 주문 즉시 만들어 드립니다.\r\n알레르기 정보는 직원에게 문의하세요.";
    t["soldoutTO"] = "N";
    t["soldoutZZim"] = "N";
    t["soldoutWait"] = "N";
    t["soldoutDelivery"] = "N";
    t["soldoutQR"] = "N";
    t["SOregdate1num"] = "0";
    t["SOregdate1num2"] = "0";
    t["SOregdate2num"] = "0";
    t["SOregdate2num2"] = "0";
    t["printtext"] = std::string("1;") + (s.category <= 3 || s.category == 6 ? "음료" : "주방") + ";"
        + std::to_string(num);
    t["TOMenuYN"] = "Y";
    t["ZZimMenuYN"] = "N";
    t["WaitMenuYN"] = "Y";
    t["DeliveryMenuYN"] = "N";
    t["QRMenuYN"] = "N";
    t["taxcheck"] = "Y";
    t["poscategorynumber"] = std::to_string(categoryNum);
    t["positemnumber"] = "P" + std::to_string(num);
    return m;
}

// The shop's data: the fixed menu, or a large generated one for timings.
struct ShopSeed {
    std::vector<CategorySeed> categories;
    std::vector<ItemSeed> items;
    std::deque<std::string> texts;  // names of generated entries (stable addresses)
};

ShopSeed fixedSeed()
{
    return {kCategories, kItems, {}};
}

// `items` items spread evenly over `categories` categories named after the fixed ones ("커피",
// ..., "커피 2"), every item with a picture, a third without option groups.
ShopSeed generatedSeed(const SeedSize& size)
{
    ShopSeed seed;
    const int named = static_cast<int>(kCategories.size()) - 1;  // without the catch-all
    for (int c = 0; c < size.categories; ++c) {
        CategorySeed cat = kCategories[static_cast<size_t>(c % named)];
        if (c >= named) {
            seed.texts.push_back(std::string(cat.name) + " " + std::to_string(c / named + 1));
            cat.name = seed.texts.back().c_str();
        }
        seed.categories.push_back(cat);
    }
    const std::vector<const Group*> groups[] = {{}, {&kSize}, {&kSize, &kExtra, &kIce}};
    for (int i = 0; i < size.items; ++i) {
        const int c = static_cast<int>(static_cast<long long>(i) * size.categories / size.items);
        seed.texts.push_back(std::string(seed.categories[static_cast<size_t>(c)].name) + " 메뉴 "
                             + std::to_string(i + 1));
        seed.items.push_back({c, seed.texts.back().c_str(), 2000 + (i % 30) * 100, groups[i % 3]});
    }
    return seed;
}

}  // namespace

bool ensureSeeded(const std::string& dataDir, bool* seeded, std::string* error, const SeedSize& size)
{
    const ShopSeed seed = size.items > 0 && size.categories > 0 ? generatedSeed(size) : fixedSeed();
    const auto& categories = seed.categories;
    const auto& items = seed.items;
    *seeded = false;
    std::error_code ec;
    fs::create_directories(dataDir, ec);
    if (fs::exists(databasePath(dataDir)))
        return true;
    fs::create_directories(fs::path(dataDir) / "menuimag", ec);
    fs::create_directories(fs::path(dataDir) / "logoimag", ec);
    if (ec) {
        *error = "cannot create folders in " + dataDir + ": " + ec.message();
        return false;
    }

    std::string tmp = databasePath(dataDir) + ".seeding";
    fs::remove(tmp, ec);
    fs::remove(tmp + "-wal", ec);
    fs::remove(tmp + "-shm", ec);
    {
        auto db = ShopDb::open(tmp, error);
        if (!db || !db->createSchema(error))
            return false;
        db->begin();
        for (size_t i = 0; i < categories.size(); ++i) {
            Category c;
            c.num = static_cast<int>(i) + 1;
            c.name = categories[i].name;
            c.sort = static_cast<int>(i) + 1;
            c.foldYN = i == 4 ? "Y" : "N";
            if (!db->insertCategory(c)) {
                *error = "cannot store category";
                return false;
            }
        }
        int sort = 0;
        int num = 101;
        for (const auto& s : items) {
            const CategorySeed& cat = categories[static_cast<size_t>(s.category)];
            MenuItem m = makeItem(s, cat, num, ++sort, s.category + 1);
            if (!db->insertItem(m)) {
                *error = "cannot store menu item";
                return false;
            }
            // Iced drinks are drawn in a glass.
            PictureShape shape = std::string_view(s.title).find("아이스") != std::string_view::npos
                ? PictureShape::Glass
                : cat.shape;
            if (s.picture
                && !writeMenuPicture(menuPicturePath(dataDir, num), s.title, cat.hue, cat.value, shape, error))
                return false;
            ++num;
        }
        db->commit();
    }
    if (!writeLogo(logoPath(dataDir, kShopNumber), kShopName, error))
        return false;
    releasePictureTools();
    // The database was closed above, which folds its write-ahead log back in,
    // so the renamed file is complete on its own.
    fs::rename(tmp, databasePath(dataDir), ec);
    if (ec) {
        *error = "cannot finish database: " + ec.message();
        return false;
    }
    *seeded = true;
    return true;
}

}  // namespace demoshop
