// The catalogue loader's parse on a 5,000-item answer, against the same catalogue written as JSON
// and read with simdjson into the same table (same decoding, mark replacement and typed option groups).
#include "catalogue/menu_catalogue.h"
#include "server/fields.h"

#include <benchmark/benchmark.h>
#include <simdjson.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace sumbrel;

namespace {

struct Option {
    QString name;
    QString price;
};
struct Group {
    QString yn, nooption, field, mincount;
    std::vector<Option> options;
};
struct Item {
    std::array<QString, kMenuTags> values;  // in MenuTagNames() order; add1..add5 unused here
    std::array<Group, kOptionGroups> groups;
};

const QStringList kCategories = {
    QStringLiteral("커피"),   QStringLiteral("라떼"),     QStringLiteral("티"),      QStringLiteral("에이드!123!주스"),
    QStringLiteral("디저트"), QStringLiteral("베이커리"), QStringLiteral("분류없음")};

std::vector<Item> MakeItems(int count)
{
    const auto& tags = MenuTagNames();
    std::vector<Item> items(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        Item& it = items[size_t(i)];
        for (int t = 0; t < kMenuTags; ++t)
            it.values[size_t(t)] = QStringLiteral("N");
        auto set = [&](QStringView tag, const QString& v) {
            for (int t = 0; t < kMenuTags; ++t)
                if (tags[size_t(t)] == tag)
                    it.values[size_t(t)] = v;
        };
        const QString n = QString::number(1000 + i);
        set(u"num", n);
        set(u"title", QStringLiteral("메뉴 ") + n + (i % 7 == 0 ? QStringLiteral(" 플랏뚜ㅋ 샷") : QString()));
        set(u"price", QString::number(2000 + (i % 40) * 100));
        set(u"category", kCategories[i % kCategories.size()]);
        set(u"type", QStringLiteral("1"));
        set(u"menumin", QStringLiteral("1"));
        set(u"discountt", QStringLiteral("0"));
        set(u"saving", QStringLiteral("0"));
        set(u"hallcheck", QStringLiteral("Y"));
        set(u"round", QStringLiteral("0"));
        set(u"maxCount", QStringLiteral("0"));
        set(u"SOregdate1", QStringLiteral("2024-12-01"));
        set(u"SOregdate2", QStringLiteral("2025-02-28"));
        set(u"infotext1",
            QStringLiteral("원두: 에티오피아 예가체프 !123! 브라질 산토스 블렌드")
                + (i % 10 == 0 ? QStringLiteral(" ◈") : QString()));
        set(u"infotext2",
            QStringLiteral("메뉴 ") + n
                + QStringLiteral(" - 주문 즉시 만들어 드립니다.!줄바꿈!알레르기 정보는 직원에게 문의하세요."));
        set(u"SOregdate1num", QStringLiteral("0"));
        set(u"SOregdate1num2", QStringLiteral("0"));
        set(u"SOregdate2num", QStringLiteral("0"));
        set(u"SOregdate2num2", QStringLiteral("0"));
        set(u"printtext", i % 50 == 0 ? QStringLiteral("1;음료") : QStringLiteral("1;음료;") + n);
        set(u"poscategorynumber", QString::number(i % 7 + 1));
        set(u"positemnumber", QStringLiteral("P") + n);
        it.groups[0] = {QStringLiteral("Y"),
                        QStringLiteral("N"),
                        QStringLiteral("사이즈"),
                        QStringLiteral("1"),
                        {{QStringLiteral("레귤러"), QStringLiteral("0")},
                         {QStringLiteral("라지"), QStringLiteral("500")},
                         {QStringLiteral("벤티"), QStringLiteral("1000")}}};
        it.groups[1] = {QStringLiteral("Y"),
                        QStringLiteral("N"),
                        QStringLiteral("추가 선택"),
                        QStringLiteral("0"),
                        {{QStringLiteral("샷 추가"), QStringLiteral("500")},
                         {QStringLiteral("헤이즐넛!123!카라멜◈시럽"), QStringLiteral("500")},
                         {QStringLiteral("휘핑 플랏뚜ㅋ 드리즐"), QStringLiteral("700")}}};
        it.groups[3] = {QString(), QStringLiteral("N"), QString(), QStringLiteral("0"), {}};
    }
    return items;
}

QString GroupMarkup(const Group& g)
{
    if (g.yn.isEmpty() && g.nooption.isEmpty())
        return {};
    QString s = QStringLiteral("<yn>") + g.yn + QStringLiteral("</yn><nooption>") + g.nooption
        + QStringLiteral("</nooption><field>") + g.field + QStringLiteral("</field><mincount>") + g.mincount
        + QStringLiteral("</mincount>");
    for (const Option& o : g.options)
        s += QStringLiteral("<subtitle>") + o.name + QStringLiteral("</subtitle><subprice>") + o.price
            + QStringLiteral("</subprice>");
    return s;
}

QString TaggedAnswer(const std::vector<Item>& items)
{
    const auto& tags = MenuTagNames();
    QString s = QStringLiteral("\r\n\r\n<!-- shop api -->\n\n");
    for (const Item& it : items) {
        s += QStringLiteral("<menubrr>\r\n");
        for (int t = 0; t < kMenuTags; ++t) {
            const QString tag = tags[size_t(t)].toString();
            const bool add = tag.startsWith(u"add");
            const QString v = add ? GroupMarkup(it.groups[size_t(tag.back().digitValue() - 1)]) : it.values[size_t(t)];
            s += tag + u'[' + v + u']' + tag + QStringLiteral("\r\n");
        }
        s += QStringLiteral("</menubrr>\r\n");
    }
    return s;
}

void JsonString(std::string& out, const QString& v)
{
    out += '"';
    const QByteArray u = v.toUtf8();
    for (char c : u) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    out += '"';
}

std::string JsonAnswer(const std::vector<Item>& items)
{
    const auto& tags = MenuTagNames();
    std::string s = "[";
    for (size_t i = 0; i < items.size(); ++i) {
        const Item& it = items[i];
        s += i ? ",{" : "{";
        for (int t = 0; t < kMenuTags; ++t) {
            const QString tag = tags[size_t(t)].toString();
            if (t)
                s += ',';
            JsonString(s, tag);
            s += ':';
            if (tag.startsWith(u"add")) {
                const Group& g = it.groups[size_t(tag.back().digitValue() - 1)];
                if (g.yn.isEmpty() && g.nooption.isEmpty()) {
                    s += "null";
                    continue;
                }
                s += "{\"yn\":";
                JsonString(s, g.yn);
                s += ",\"nooption\":";
                JsonString(s, g.nooption);
                s += ",\"field\":";
                JsonString(s, g.field);
                s += ",\"mincount\":";
                JsonString(s, g.mincount);
                s += ",\"options\":[";
                for (size_t o = 0; o < g.options.size(); ++o) {
                    s += o ? ",{\"subtitle\":" : "{\"subtitle\":";
                    JsonString(s, g.options[o].name);
                    s += ",\"subprice\":";
                    JsonString(s, g.options[o].price);
                    s += '}';
                }
                s += "]}";
            } else {
                JsonString(s, it.values[size_t(t)]);
            }
        }
        s += '}';
    }
    s += ']';
    return s;
}

inline QString Text(std::string_view v)
{
    return ReplaceFieldMark(QString::fromUtf8(v.data(), qsizetype(v.size())));
}

// The JSON form of one option group into the same group as the tagged form gives.
OptionGroupSlot JsonGroup(simdjson::ondemand::object group, int slot)
{
    // The writer puts the options last: the group is built as they come.
    QString yn, nooption, field, mincount;
    std::optional<OptionGroupBuilder> built;
    int options = 0;
    for (auto f : group) {
        const std::string_view key = f.unescaped_key();
        if (key == "options") {
            if (yn.isEmpty())
                continue;
            built.emplace(slot, nooption, field, mincount);
            for (auto o : f.value().get_array()) {
                QString name;
                QString price;
                for (auto of : o.get_object()) {
                    const std::string_view k = of.unescaped_key();
                    if (k == "subtitle")
                        name = DecodeText(Text(of.value().get_string()));
                    else if (k == "subprice")
                        price = Text(of.value().get_string());
                }
                built->add(std::move(name), price);
                ++options;
            }
            continue;
        }
        QString v = Text(f.value().get_string()).trimmed();
        if (key == "yn")
            yn = std::move(v);
        else if (key == "nooption")
            nooption = std::move(v);
        else if (key == "field")
            field = std::move(v);
        else if (key == "mincount")
            mincount = std::move(v);
    }
    return built && options ? built->finish() : OptionGroupSlot{};
}

MenuCatalogue ParseMenuJson(simdjson::ondemand::parser& parser, const simdjson::padded_string& json)
{
    static const std::array<std::string, kMenuTags> names = [] {
        std::array<std::string, kMenuTags> n;
        for (int t = 0; t < kMenuTags; ++t)
            n[size_t(t)] = MenuTagNames()[size_t(t)].toString().toStdString();
        return n;
    }();
    MenuCatalogue table;
    simdjson::ondemand::document doc = parser.iterate(json);
    simdjson::ondemand::array records = doc.get_array();
    table.reset(qsizetype(records.count_elements().value()));
    for (auto element : records) {
        std::array<QString, kMenuTags> values;
        std::array<OptionGroupSlot, kOptionGroups> groups;
        int hint = 0;
        for (auto f : element.get_object()) {
            const std::string_view key = f.unescaped_key();
            // Keys come in order: try the next one first, then the whole list.
            int t = hint < kMenuTags && names[size_t(hint)] == key ? hint : -1;
            for (int i = 0; t < 0 && i < kMenuTags; ++i)
                if (names[size_t(i)] == key)
                    t = i;
            if (t < 0)
                continue;
            hint = t + 1;
            const std::string_view& name = names[size_t(t)];
            if (name.size() == 4 && name.substr(0, 3) == "add") {
                simdjson::ondemand::value v = f.value();
                if (v.type() == simdjson::ondemand::json_type::object)
                    groups[size_t(name[3] - '1')] = JsonGroup(v.get_object(), name[3] - '1');
                continue;
            }
            if (name == "printtext") {
                const std::string_view v = f.value().get_string();
                values[size_t(t)] = NormalisePrintText(QString::fromUtf8(v.data(), qsizetype(v.size())));
                continue;
            }
            values[size_t(t)] = Text(f.value().get_string());
        }
        StoreMenuRecord(table, values, groups);
    }
    table.finish(table.rowCount());
    return table;
}

struct Fixture {
    QString tagged;
    simdjson::padded_string json;
    explicit Fixture(int count)
    {
        const std::vector<Item> items = MakeItems(count);
        tagged = TaggedAnswer(items);
        json = simdjson::padded_string(JsonAnswer(items));
        // Both ways must fill the same table, or the comparison means nothing.
        simdjson::ondemand::parser parser;
        const MenuCatalogue a = ParseMenuAnswer(tagged);
        const MenuCatalogue b = ParseMenuJson(parser, json);
        if (!(a == b) || a.rowCount() != count || a.takenCount() == 0) {
            std::fprintf(stderr, "tagged and JSON tables differ\n");
            std::exit(1);
        }
    }
};

const Fixture& fixture(int count)
{
    static std::map<int, std::unique_ptr<Fixture>> made;
    auto& f = made[count];
    if (!f)
        f = std::make_unique<Fixture>(count);
    return *f;
}

void BM_ReadMenuTagged(benchmark::State& state)
{
    const Fixture& f = fixture(int(state.range(0)));
    for (auto _ : state) {
        MenuCatalogue t = ParseMenuAnswer(f.tagged);
        benchmark::DoNotOptimize(t);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["answer_MB"] = double(f.tagged.size() * 2) / 1e6;
}
BENCHMARK(BM_ReadMenuTagged)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_ReadMenuSimdjson(benchmark::State& state)
{
    const Fixture& f = fixture(int(state.range(0)));
    simdjson::ondemand::parser parser;
    for (auto _ : state) {
        MenuCatalogue t = ParseMenuJson(parser, f.json);
        benchmark::DoNotOptimize(t);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["answer_MB"] = double(f.json.size()) / 1e6;
}
BENCHMARK(BM_ReadMenuSimdjson)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
