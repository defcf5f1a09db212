// The menu page's answer: ReadMenuPage against a plain reading of it, with a catalogue read from the
// first part of the input (up to a NUL byte) for the option group counts and prices. Either both
// lists come as the reading gives them, or (no frame, no category, an entry short of a marker) none.
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
const MenuRecord* FirstRow(const MenuCatalogue& table, const QString& num)
{
    for (qsizetype r = 0; !num.isEmpty() && r < table.rowCount(); ++r)
        if (table.row(r).num == num)
            return &table.row(r);
    return nullptr;
}

// The groups of the row that can reach the cart.
int OptionCount(const MenuRecord* record)
{
    int count = 0;
    for (int j = 0; record && j < kOptionGroups; ++j)
        count += record->groups[size_t(j)].given && record->groups[size_t(j)].offered;
    return count;
}

// nullopt: the lists stay as they were.
std::optional<MenuPageLists> Read(const QString& answer, const MenuCatalogue& catalogue)
{
    const qsizetype open = answer.indexOf(QStringLiteral("<menubrr>"));
    const qsizetype close = answer.lastIndexOf(QStringLiteral("</menubrr>"));
    if (open < 0 || close < 0 || close < open + 9)
        return std::nullopt;
    const QString body = answer.mid(open + 9, close - open - 9);
    const qsizetype first = body.indexOf(QStringLiteral("<mainmenuname>"));
    if (first < 0)
        return std::nullopt;
    MenuPageLists out;
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
            const MenuRecord* record = FirstRow(catalogue, *c4);
            // An item whose price on the tile or in the catalogue is no plain number is not offered.
            const std::optional<int64_t> price = ReadPrice(*c2);
            if (!price || (record && !ReadPrice(record->priceText)))
                continue;
            out.tiles.push_back({name, UnescapeField(*c1), order::Money::Won(*price), *c3, *c4, OptionCount(record),
                                 UnescapeField(*c6), UnescapeField(*c7), *c8});
        }
    }
    return out;
}

QString ShowEntry(const TileEntry& e)
{
    return QStringList{fuzz::Show(e.category), fuzz::Show(e.name),  QString::number(e.price.won()),
                       fuzz::Show(e.nameTag),  fuzz::Show(e.num),   QString::number(e.optionGroups),
                       fuzz::Show(e.text3),    fuzz::Show(e.text5), fuzz::Show(e.text4)}
        .join(QStringLiteral(" | "));
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
    const MenuCatalogue catalogue = ParseMenuAnswer(fuzz::Text(data, split));
    const QString answer = nul ? fuzz::Text(nul + 1, size - split - 1) : fuzz::Text(data, size);

    bool badEntry = false;
    const std::optional<MenuPageLists> got = ReadMenuPage(answer, catalogue, &badEntry);
    const std::optional<MenuPageLists> ref = Read(answer, catalogue);
    FUZZ_CHECK(got.has_value() == ref.has_value(),
               QStringLiteral("read: %1, want %2").arg(got.has_value()).arg(ref.has_value()));
    if (!got)
        return 0;
    FUZZ_CHECK(!badEntry, QStringLiteral("an answer read whole told of a bad entry"));
    FUZZ_CHECK(got->categories == ref->categories,
               QStringLiteral(" got: %1\nwant: %2")
                   .arg(fuzz::Show(got->categories.join(u'|')), fuzz::Show(ref->categories.join(u'|'))));
    FUZZ_CHECK(got->tiles.size() == ref->tiles.size(),
               QStringLiteral("%1 tiles, want %2").arg(got->tiles.size()).arg(ref->tiles.size()));
    for (size_t i = 0; i < ref->tiles.size(); ++i)
        FUZZ_CHECK(got->tiles[i] == ref->tiles[i],
                   QStringLiteral("entry %1\n got: %2\nwant: %3")
                       .arg(i)
                       .arg(ShowEntry(got->tiles[i]), ShowEntry(ref->tiles[i])));
    return 0;
}
