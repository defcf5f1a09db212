#include "menu/menu_page_data.h"

#include "catalogue/category_table.h"
#include "catalogue/menu_catalogue.h"
#include "server/endpoints.h"
#include "server/fields.h"
#include "startup/parse.h"
#include "startup/trace_log.h"

#include <functional>
#include <optional>

namespace sumbrel::menu {

namespace {

// The trimmed text between the first `open` and the next `close` after it; nullopt when either
// is missing.
std::optional<QString> Between(QStringView entry, QStringView open, QStringView close)
{
    const qsizetype at = entry.indexOf(open);
    if (at < 0)
        return std::nullopt;
    const qsizetype from = at + open.size();
    const qsizetype to = entry.indexOf(close, from);
    if (to < 0)
        return std::nullopt;
    return entry.mid(from, to - from).trimmed().toString();
}

// Why the entry is not offered, or empty: its price on the tile or in the catalogue is not a plain
// whole number (one that does not read would sell the item for nothing, a negative one pays out).
QString PriceRefusal(const QString& tilePrice, const MenuRecord* record)
{
    if (!ReadPrice(tilePrice))
        return QStringLiteral("tile price \"") + tilePrice + u'"';
    if (record && !record->price)
        return QStringLiteral("catalogue price \"") + record->priceText + u'"';
    return QString();
}

// One entry into `entry`; false when a marker is missing. `price`: the tile's price as it came.
bool ReadEntry(QStringView text, const QString& category, TileEntry& entry, QString& price)
{
    struct Marker {
        QString* value;
        const char16_t* open;
        const char16_t* close;
        bool decode;
    };
    const Marker markers[] = {
        {&entry.name, u"<submenuname>", u" !!!!", true}, {&price, u" !!!!", u"@@@@", false},
        {&entry.nameTag, u" !1!!!", u"@1@@@", false},    {&entry.num, u" !2!!!", u"@2@@@", false},
        {&entry.text3, u" !3!!!", u"@3@@@", true},       {&entry.text5, u" !5!!!", u"@5@@@", true},
        {&entry.text4, u" !4!!!", u"@4@@@", false},
    };
    entry.category = category;
    for (const Marker& m : markers) {
        std::optional<QString> value = Between(text, QStringView(m.open), QStringView(m.close));
        if (!value)
            return false;
        *m.value = m.decode ? UnescapeField(*value) : *value;
    }
    return true;
}

// The option groups the item's dialog offers; the others are traced and not counted.
int OfferedGroups(const MenuRecord* record, const std::function<void(const QString&)>& note)
{
    int count = 0;
    for (int j = 0; record && j < kOptionGroups; ++j) {
        const OptionGroupSlot& group = record->groups[size_t(j)];
        if (!group.given)
            continue;
        if (group.offered)
            ++count;
        else
            note(QStringLiteral("Parsing: menu ") + record->num + QStringLiteral(" option group ")
                     + QString::number(j + 1) + QStringLiteral(" skipped (empty group or option name)"));
    }
    return count;
}

}  // namespace

std::optional<MenuPageLists> ReadMenuPage(QStringView answer, const MenuCatalogue& catalogue, bool* badEntry,
                                          QStringList* notes)
{
    const std::function<void(const QString&)> note = [notes](const QString& line) {
        if (notes)
            notes->append(line);
        else
            WriteLog(line);
    };
    static const QString kOpen = QStringLiteral("<menubrr>");
    static const QString kClose = QStringLiteral("</menubrr>");
    static const QString kCategoryOpen = QStringLiteral("<mainmenuname>");
    static const QString kCategoryClose = QStringLiteral("</mainmenuname>");
    static const QString kEntryClose = QStringLiteral("</submenuname>");

    if (badEntry)
        *badEntry = false;
    const qsizetype open = answer.indexOf(kOpen);
    const qsizetype close = answer.lastIndexOf(kClose);
    if (open < 0 || close < 0 || close < open + kOpen.size())
        return std::nullopt;
    const QStringView body = answer.mid(open + kOpen.size(), close - open - kOpen.size());
    const qsizetype first = body.indexOf(kCategoryOpen);
    if (first < 0)
        return std::nullopt;

    MenuPageLists lists;
    const QStringView rest = body.mid(first + kCategoryOpen.size());
    for (QStringView section : rest.split(kCategoryOpen)) {
        if (lists.categories.size() >= kMaxCategoryRecords)
            break;
        const qsizetype nameEnd = section.indexOf(kCategoryClose);
        const QString name = UnescapeField(section.left(nameEnd < 0 ? section.size() : nameEnd).trimmed().toString());
        lists.categories.append(name);
        if (nameEnd < 0)
            continue;
        const QList<QStringView> pieces = section.mid(nameEnd + kCategoryClose.size()).split(kEntryClose);
        for (qsizetype p = 0; p + 1 < pieces.size() && qsizetype(lists.tiles.size()) < kMaxMenuRecords; ++p) {
            TileEntry entry;
            QString price;
            if (!ReadEntry(pieces[p], name, entry, price)) {
                if (badEntry)
                    *badEntry = true;
                return std::nullopt;
            }
            const MenuRecord* record = catalogue.FindMenu(QStringView(entry.num));
            entry.optionGroups = OfferedGroups(record, note);
            // Traced here, once per load; the tile is not shown.
            const QString refusal = PriceRefusal(price, record);
            if (!refusal.isEmpty()) {
                note(QStringLiteral("Parsing: menu ") + entry.num + QStringLiteral(" not offered: ") + refusal
                         + QStringLiteral(" is not a plain whole number"));
                continue;
            }
            entry.price = order::Money::Won(*ReadPrice(price));
            lists.tiles.push_back(std::move(entry));
        }
    }
    return lists;
}

PostResult PostMenuPageRequest(const Session& session, const QString& caller, const endpoints::Poster& post)
{
    return endpoints::PostLogged(QStringLiteral("menuloading3"), endpoints::Url(session, endpoints::kMenuPage),
                                 endpoints::MenuPageBody(session, caller), QString::fromUtf16(endpoints::kChannelHttp), post,
                                 endpoints::SessionCall(session));
}

}  // namespace sumbrel::menu
