#include "menu/menu_page_data.h"

#include "catalogue/category_table.h"
#include "catalogue/menu_catalogue.h"
#include "menu/option_menu.h"
#include "server/endpoints.h"
#include "server/fields.h"
#include "startup/parse.h"
#include "startup/trace_log.h"

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
QString PriceRefusal(const TileEntry& entry, const MenuCatalogue& catalogue)
{
    if (!ReadPrice(entry.col[kTilePrice]))
        return QStringLiteral("tile price \"") + entry.col[kTilePrice] + u'"';
    const MenuRecord* record = catalogue.FindMenu(QStringView(entry.col[kTileNum]));
    if (record && !ReadPrice(record->price()))
        return QStringLiteral("catalogue price \"") + record->price() + u'"';
    return QString();
}

bool ReadEntry(QStringView text, const QString& category, const MenuCatalogue& catalogue, TileEntry& entry)
{
    struct Marker {
        int column;
        const char16_t* open;
        const char16_t* close;
        bool decode;
    };
    static constexpr Marker kMarkers[] = {
        {kTileName, u"<submenuname>", u" !!!!", true}, {kTilePrice, u" !!!!", u"@@@@", false},
        {kTileNameTag, u" !1!!!", u"@1@@@", false},    {kTileNum, u" !2!!!", u"@2@@@", false},
        {kTileText3, u" !3!!!", u"@3@@@", true},       {kTileText5, u" !5!!!", u"@5@@@", true},
        {kTileText4, u" !4!!!", u"@4@@@", false},
    };
    entry.col[kTileCategory] = category;
    for (const Marker& m : kMarkers) {
        std::optional<QString> value = Between(text, QStringView(m.open), QStringView(m.close));
        if (!value)
            return false;
        entry.col[size_t(m.column)] = m.decode ? UnescapeField(*value) : *value;
    }
    // The option groups the dialog offers; the others are traced and not counted.
    const MenuRecord* record = catalogue.FindMenu(QStringView(entry.col[kTileNum]));
    int count = 0;
    for (int j = 0; record && j < kOptionGroups; ++j) {
        const QString& group = record->optionGroup(j);
        if (group.isEmpty())
            continue;
        if (UsableOptionGroup(group))
            ++count;
        else
            WriteLog(QStringLiteral("Parsing: menu ") + record->num() + QStringLiteral(" option group ")
                     + QString::number(j + 1) + QStringLiteral(" skipped (empty group or option name)"));
    }
    entry.col[kTileOptionCount] = QString::number(count);
    return true;
}

}  // namespace

QStringList& TabCategoryList()
{
    static QStringList list;
    return list;
}

std::vector<TileEntry>& TileMenuTable()
{
    static std::vector<TileEntry> table;
    return table;
}

bool UsableOptionGroup(const QString& groupText)
{
    // The option dialog's own reading: what it drops shows no row there.
    QStringList notes;
    const QString kept = DropUnnamed(groupText, QString(), notes);
    return !kept.isEmpty() && ReadOptionGroup(kept).has_value();
}

std::optional<MenuPageLists> ReadMenuPage(QStringView answer, const MenuCatalogue& catalogue, bool* badEntry)
{
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
            if (!ReadEntry(pieces[p], name, catalogue, entry)) {
                if (badEntry)
                    *badEntry = true;
                return std::nullopt;
            }
            // Traced here, once per load; the tile is not shown.
            const QString refusal = PriceRefusal(entry, catalogue);
            if (!refusal.isEmpty()) {
                WriteLog(QStringLiteral("Parsing: menu ") + entry.col[kTileNum] + QStringLiteral(" not offered: ")
                         + refusal + QStringLiteral(" is not a plain whole number"));
                continue;
            }
            lists.tiles.push_back(std::move(entry));
        }
    }
    return lists;
}

bool ReadMenuPageAnswer(QStringView answer)
{
    bool badEntry = false;
    std::optional<MenuPageLists> lists = ReadMenuPage(answer, menuCatalogue(), &badEntry);
    if (!lists)
        return !badEntry;
    TabCategoryList() = std::move(lists->categories);
    TileMenuTable() = std::move(lists->tiles);
    return true;
}

PostResult PostMenuPageRequest(const Session& session, const QString& caller, const endpoints::Poster& post)
{
    return endpoints::PostLogged(QStringLiteral("menuloading3"), endpoints::Url(session, endpoints::kMenuPage),
                                 endpoints::MenuPageBody(session, caller), QString::fromUtf16(endpoints::kChannelHttp), post);
}

}  // namespace sumbrel::menu
