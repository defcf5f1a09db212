// The menu page's answer: ReadMenuPageAnswer against a plain reading of it, with a catalogue read from the
// first part of the input (up to a NUL byte) for the option group counts. Either both lists are
// replaced by what the reading gives, or (no frame, no category, an entry short of a marker) both
// stay exactly as they were.
#include "catalogue/menu_catalogue.h"
#include "fuzz_support.h"
#include "menu/menu_page_data.h"
#include "server/fields.h"
#include "startup/parse.h"

#include <optional>
#include <vector>

namespace {

using namespace sumbrel;
using namespace sumbrel::menu;

struct Lists {
    QStringList categories;
    std::vector<TileEntry> tiles;
};

// The trimmed text between the first a and the next b after it; nullopt when either is missing.
std::optional<QString> T(const QString& entry, const QString& a, const QString& b)
{
    const qsizetype at = entry.indexOf(a);
    if (at < 0)
        return std::nullopt;
    const qsizetype to = entry.indexOf(b, at + a.size());
    if (to < 0)
        return std::nullopt;
    return entry.mid(at + a.size(), to - at - a.size()).trimmed();
}

// The first catalogue row of that number. A tile without a number belongs to no row, even when
// the catalogue has rows without one: such a tile takes no touch.
std::optional<qsizetype> FirstRow(const QString& num)
{
    const MenuCatalogue& table = menuCatalogue();
    for (qsizetype r = 0; !num.isEmpty() && r < table.rowCount(); ++r)
        if (table.at(r, kColNum) == num)
            return r;
    return std::nullopt;
}

std::optional<QString> CataloguePrice(const QString& num)
{
    const std::optional<qsizetype> r = FirstRow(num);
    return r ? std::optional<QString>(menuCatalogue().at(*r, kColPrice)) : std::nullopt;
}

// The groups of the row that can reach the cart.
QString OptionCount(const QString& num)
{
    const std::optional<qsizetype> r = FirstRow(num);
    int count = 0;
    for (int j = 0; r && j < kOptionGroups; ++j) {
        const QString& group = menuCatalogue().row(*r).optionGroup(j);
        count += !group.isEmpty() && UsableOptionGroup(group);
    }
    return QString::number(count);
}

// nullopt: the lists stay as they were.
std::optional<Lists> Read(const QString& answer)
{
    const qsizetype open = answer.indexOf(QStringLiteral("<menubrr>"));
    const qsizetype close = answer.lastIndexOf(QStringLiteral("</menubrr>"));
    if (open < 0 || close < 0 || close < open + 9)
        return std::nullopt;
    const QString body = answer.mid(open + 9, close - open - 9);
    const qsizetype first = body.indexOf(QStringLiteral("<mainmenuname>"));
    if (first < 0)
        return std::nullopt;
    Lists out;
    const QStringList sections = body.mid(first + 14).split(QStringLiteral("<mainmenuname>"));
    for (const QString& section : sections) {
        const QString name = UnescapeField(section.split(QStringLiteral("</mainmenuname>")).front().trimmed());
        out.categories << name;
        const qsizetype end = section.indexOf(QStringLiteral("</mainmenuname>"));
        if (end < 0)
            continue;
        const QStringList pieces = section.mid(end + 15).split(QStringLiteral("</submenuname>"));
        for (qsizetype p = 0; p + 1 < pieces.size(); ++p) {
            const QString& e = pieces[p];
            const auto c1 = T(e, QStringLiteral("<submenuname>"), QStringLiteral(" !!!!"));
            const auto c2 = T(e, QStringLiteral(" !!!!"), QStringLiteral("@@@@"));
            const auto c3 = T(e, QStringLiteral(" !1!!!"), QStringLiteral("@1@@@"));
            const auto c4 = T(e, QStringLiteral(" !2!!!"), QStringLiteral("@2@@@"));
            const auto c6 = T(e, QStringLiteral(" !3!!!"), QStringLiteral("@3@@@"));
            const auto c7 = T(e, QStringLiteral(" !5!!!"), QStringLiteral("@5@@@"));
            const auto c8 = T(e, QStringLiteral(" !4!!!"), QStringLiteral("@4@@@"));
            if (!c1 || !c2 || !c3 || !c4 || !c6 || !c7 || !c8)
                return std::nullopt;
            TileEntry t;
            t.col = {name, UnescapeField(*c1), *c2, *c3, *c4, OptionCount(*c4), UnescapeField(*c6), UnescapeField(*c7),
                     *c8};
            // An item whose price on the tile or in the catalogue is no plain number is not offered.
            const std::optional<QString> listed = CataloguePrice(*c4);
            if (!ReadPrice(*c2) || (listed && !ReadPrice(*listed)))
                continue;
            out.tiles.push_back(t);
        }
    }
    return out;
}

QString ShowEntry(const TileEntry& e)
{
    QStringList cols;
    for (const QString& c : e.col)
        cols << fuzz::Show(c);
    return cols.join(QStringLiteral(" | "));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::NoLogFiles();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const uint8_t* nul = static_cast<const uint8_t*>(memchr(data, 0, size));
    const size_t split = nul ? size_t(nul - data) : 0;
    menuCatalogue() = ParseMenuAnswer(fuzz::Text(data, split));
    const QString answer = nul ? fuzz::Text(nul + 1, size - split - 1) : fuzz::Text(data, size);

    // What an earlier load left.
    TileEntry earlier;
    earlier.col.fill(QStringLiteral("earlier"));
    TabCategoryList() = QStringList{QStringLiteral("earlier")};
    TileMenuTable() = {earlier};

    ReadMenuPageAnswer(answer);
    const std::optional<Lists> ref = Read(answer);
    const QStringList wantCategories = ref ? ref->categories : QStringList{QStringLiteral("earlier")};
    const std::vector<TileEntry> wantTiles = ref ? ref->tiles : std::vector<TileEntry>{earlier};
    FUZZ_CHECK(TabCategoryList() == wantCategories,
               QStringLiteral(" got: %1\nwant: %2")
                   .arg(fuzz::Show(TabCategoryList().join(u'|')), fuzz::Show(wantCategories.join(u'|'))));
    FUZZ_CHECK(TileMenuTable().size() == wantTiles.size(),
               QStringLiteral("%1 tiles, want %2").arg(TileMenuTable().size()).arg(wantTiles.size()));
    for (size_t i = 0; i < wantTiles.size(); ++i) {
        FUZZ_CHECK(TileMenuTable()[i] == wantTiles[i],
                   QStringLiteral("entry %1\n got: %2\nwant: %3")
                       .arg(i)
                       .arg(ShowEntry(TileMenuTable()[i]), ShowEntry(wantTiles[i])));
    }
    return 0;
}
