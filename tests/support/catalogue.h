#pragma once
// Catalogues for the tests: the demo shop's as the terminal loads it, or a row made by hand.
#include "catalogue/menu_catalogue.h"
#include "startup/parse.h"
#include "support/option_groups.h"

#include <memory>

namespace sumbrel::testing {

// The shop's whole catalogue as a load gives it; empty when no good answer came.
inline MenuCatalogue FetchedCatalogue(const Session& session)
{
    return FetchMenuCatalogue(session, QStringLiteral("전체")).value_or(MenuCatalogue());
}

// One record (num "901"); groups in the tests' short writing (see Group).
inline MenuRecord HandMadeRecord(const QString& name, const QString& price,
                                 const std::array<QString, kOptionGroups>& groups = {})
{
    MenuRecord rec;
    rec.num = QStringLiteral("901");
    rec.title = name;
    rec.priceText = price;
    if (const std::optional<int64_t> won = ReadPrice(price))
        rec.price = order::Money::Won(*won);
    rec.groups = Groups(groups);
    return rec;
}

inline std::shared_ptr<const MenuCatalogue> CatalogueOf(MenuRecord record)
{
    MenuCatalogue table;
    table.nextRow() = std::move(record);
    table.finish(1);
    return std::make_shared<const MenuCatalogue>(std::move(table));
}

}  // namespace sumbrel::testing
