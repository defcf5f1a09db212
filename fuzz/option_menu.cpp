// The option dialog's model under random touches, from random option groups (unnamed options and
// groups among them) and an order it adds to. After every touch:
// - the groups shown are the named ones with a named option, compacted, with their options in order, and each price
//   panel shows the stored price;
// - single-choice groups have exactly one row chosen, check boxes follow their toggles;
// - the unit total is the base price plus the chosen rows' shown prices, the line total that times the
//   quantity, and the selection is valid exactly when every check-box group has its minimum;
// - a valid selection confirmed gives an order whose new last line holds the item's name, the
//   quantity, the unit price and the chosen options group by group; the order text of that order is
//   not empty, and the menu page's rows show its total.
#include "menu/option_menu.h"
#include "fuzz_support.h"
#include "menu/order_rows.h"
#include "reception/reception_service.h"
#include "startup/parse.h"
#include "startup/utilities.h"

#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <vector>

namespace {

using namespace sumbrel;
using namespace sumbrel::menu;

struct Option {
    QString name;
    QString price;
};
struct Group {
    QString name;
    QString minimum;
    QList<Option> options;
};
// One slot of the dialog after compacting.
struct Slot {
    std::optional<Group> group;
    QList<bool> chosen;
};

QString Piece(FuzzedDataProvider& in, int minLength, int maxLength)
{
    static const QString kChars = QStringLiteral("Ab가 +&,1");
    QString out;
    const int n = in.ConsumeIntegralInRange(minLength, maxLength);
    for (int i = 0; i < n; ++i)
        out += kChars[in.ConsumeIntegralInRange<int>(0, int(kChars.size()) - 1)];
    return out;
}

QString Price(FuzzedDataProvider& in)
{
    switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0:
        return QString::number(in.ConsumeIntegralInRange(0, 5) * 500);
    case 1:
        return QString::number(in.ConsumeIntegral<int32_t>());
    case 2:
        return QStringLiteral("-") + QString::number(in.ConsumeIntegralInRange(0, 3000));
    default:
        return Piece(in, 0, 5);
    }
}

QString Minimum(FuzzedDataProvider& in)
{
    static const char* const kMinimums[] = {"1", "0", "", "2", "3", "01", " 1", "x"};
    return QString::fromLatin1(kMinimums[in.ConsumeIntegralInRange(0, 7)]);
}

QString Describe(const OptionMenu& dialog)
{
    order::Order one;
    one.add(dialog.selection());
    return QStringLiteral("selection: %1 unit %2 line %3 valid %4")
        .arg(fuzz::Show(reception::OrderText(one)))
        .arg(dialog.unitTotal().won())
        .arg(dialog.lineTotal().won())
        .arg(dialog.valid());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    MenuItem item;
    item.name = Piece(in, 0, 10);
    const QString basePrice = Price(in);
    item.price = order::Money::Won(ParseLong(basePrice));
    std::vector<Slot> slots;
    for (int j = 0; j < kOptionGroups; ++j) {
        if (!in.ConsumeBool())
            continue;
        Group g{Piece(in, 0, 6), Minimum(in), {}};
        const int options = in.ConsumeIntegralInRange(0, 6);
        for (int k = 0; k < options; ++k)
            g.options.append({Piece(in, 0, 6), Price(in)});
        OptionGroupBuilder built(j, Piece(in, 0, 2), g.name, g.minimum);
        for (const Option& o : g.options)
            built.add(o.name, o.price);
        item.groups[size_t(j)] = built.finish();
        // What the dialog keeps: the named options of a named group.
        QList<Option> named;
        for (const Option& o : g.options)
            if (!o.name.isEmpty())
                named.append(o);
        if (g.name.isEmpty() || named.isEmpty())
            continue;
        g.options = named;
        Slot slot{g, QList<bool>(named.size(), false)};
        if (g.minimum == u"1")
            slot.chosen[0] = true;
        slots.push_back(slot);
    }
    order::Order cart;
    const int lines = in.ConsumeIntegralInRange(0, 19);
    for (int i = 0; i < lines; ++i)
        cart.add({QString(), QStringLiteral("Tea"), order::Money::Won(3000), 1, {}});

    OptionMenu dialog(item);
    FUZZ_CHECK(dialog.groupCount() == int(slots.size()), QStringLiteral("%1 groups").arg(dialog.groupCount()));
    int quantity = 1;
    while (true) {
        for (int j = 0; j < kOptionGroups; ++j) {
            const OptionGroup* shown = dialog.group(j);
            const bool want = size_t(j) < slots.size() && slots[size_t(j)].group;
            FUZZ_CHECK((shown != nullptr) == want, QStringLiteral("group %1").arg(j));
            if (!shown)
                continue;
            const Slot& slot = slots[size_t(j)];
            FUZZ_CHECK(shown->name == slot.group->name && shown->minimumText == slot.group->minimum
                           && shown->singleChoice == (slot.group->minimum == u"1")
                           && shown->options.size() == slot.group->options.size(),
                       QStringLiteral("group %1").arg(j));
            for (qsizetype k = 0; k < shown->options.size(); ++k) {
                const MenuOption& o = shown->options[k];
                FUZZ_CHECK(o.name == slot.group->options[k].name
                               && o.price.won() == ParseAmount(slot.group->options[k].price)
                               && dialog.isChosen(j, int(k)) == slot.chosen[k],
                           QStringLiteral("group %1 option %2: %3 %4").arg(j).arg(k).arg(o.name).arg(o.price.won()));
            }
        }
        int64_t unit = item.price.won();
        bool valid = true;
        for (const Slot& slot : slots) {
            if (!slot.group)
                continue;
            int ticked = 0;
            for (qsizetype k = 0; k < slot.chosen.size(); ++k) {
                if (slot.chosen[k]) {
                    unit = AddAmounts(unit, ParseAmount(slot.group->options[k].price));
                    ++ticked;
                }
            }
            // A minimum above the group's options asks for all of them.
            const int required = std::min<int>(ParseLong(slot.group->minimum), int(slot.group->options.size()));
            if (slot.group->minimum != u"1" && ticked < required)
                valid = false;
        }
        FUZZ_CHECK(dialog.quantity().value() == quantity, Describe(dialog));
        const int64_t lineTotal = MultiplyAmounts(unit, quantity);
        FUZZ_CHECK(dialog.unitTotal().won() == unit && dialog.lineTotal().won() == lineTotal && dialog.valid() == valid,
                   Describe(dialog) + QStringLiteral("\nwant unit %1 valid %2").arg(unit).arg(valid));
        FUZZ_CHECK(dialog.totalText() == FormatThousands(lineTotal), Describe(dialog));

        if (valid) {
            const std::optional<order::OrderLine> added = dialog.added();
            FUZZ_CHECK(added.has_value() == !item.name.isEmpty(), Describe(dialog));
            if (added) {
                order::Order next = cart;
                FUZZ_CHECK(next.add(*added), Describe(dialog));
                const order::OrderLine& line = next.lines().last();
                FUZZ_CHECK(line.name == item.name && line.quantity == quantity && line.unitPrice.won() == unit
                               && line.amount().won() == lineTotal,
                           Describe(dialog));
                QList<order::OrderOption> chosen;
                for (size_t j = 0; j < slots.size(); ++j) {
                    const Slot& slot = slots[j];
                    if (!slot.group)
                        continue;
                    for (qsizetype k = 0; k < slot.chosen.size(); ++k)
                        if (slot.chosen[k])
                            chosen.append({slot.group->name, slot.group->options[k].name,
                                           order::Money::Won(ParseAmount(slot.group->options[k].price)), int(j)});
                }
                FUZZ_CHECK(line.options == chosen, Describe(dialog));
                FUZZ_CHECK(!reception::OrderText(next).isEmpty(), Describe(dialog));
                // The lists read amounts as the dialog writes them: 64-bit, whatever the prices.
                const OrderRowsLayout rows = LayOutOrderRows(next, {});
                FUZZ_CHECK(rows.count == QString::number(lines + 1)
                               && rows.total == FormatThousands(AddAmounts(int64_t(lines) * 3000, lineTotal)),
                           Describe(dialog));
            }
        }

        if (in.remaining_bytes() == 0)
            break;
        const int op = in.ConsumeIntegralInRange(0, 3);
        if (op <= 1) {
            const int j = in.ConsumeIntegralInRange(0, 5);
            const int k = in.ConsumeIntegralInRange(0, 6);
            dialog.touch(j, k);
            if (size_t(j) < slots.size() && slots[size_t(j)].group && k < slots[size_t(j)].chosen.size()) {
                Slot& slot = slots[size_t(j)];
                if (slot.group->minimum == u"1")
                    for (qsizetype i = 0; i < slot.chosen.size(); ++i)
                        slot.chosen[i] = i == k;
                else
                    slot.chosen[k] = !slot.chosen[k];
            }
        } else if (op == 2) {
            const int step = in.ConsumeBool() ? 1 : -1;
            dialog.quantity().step(step);
            if (quantity + step >= 1 && quantity + step <= 99)
                quantity += step;
        } else {
            dialog.togglePage();
        }
        dialog.computeTotal();
    }
    return 0;
}
