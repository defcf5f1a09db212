// The typed order and what is made of it. The input is an order (up to 22 lines tried, with names
// holding markup, quantities in and beyond 1 to 99 and prices up to the 64-bit range) and a run of
// key presses on both order lists. After each:
// - the order text equals the text built by its rules, and for names free of markup and line
//   breaks, reading it back gives the order's names, quantities, amounts and options by group;
// - the reception list's layout (with a fake measure) equals the drawing done by its rules, and the
//   menu page's rows equal theirs;
// - "-", "+", "x" and adding change the order as the rules say (nothing at the quantity limits,
//   nothing added to twenty lines), and the total is the sum of the line amounts.
#include "fuzz_support.h"
#include "menu/order.h"
#include "menu/order_rows.h"
#include "reception/order_list.h"
#include "reception/reception_service.h"
#include "startup/parse.h"
#include "startup/utilities.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <optional>

namespace {

using namespace sumbrel;
using order::Money;
using order::Order;
using order::OrderLine;
using order::OrderOption;
const QString kCrLf = QStringLiteral("\r\n");

// The options of a line by group, as the shop's text and the lists take them: runs of one group.
QList<QList<OrderOption>> Groups(const OrderLine& line)
{
    QList<QList<OrderOption>> groups;
    for (const OrderOption& o : line.options) {
        if (groups.isEmpty() || groups.last().first().group != o.group)
            groups.append(QList<OrderOption>());
        groups.last().append(o);
    }
    return groups;
}

QString TextRef(const Order& order)
{
    QString out;
    for (const OrderLine& line : order.lines()) {
        out += QStringLiteral("<menuliner>") + kCrLf;
        out += QStringLiteral("<mnuname>") + line.name + QStringLiteral(" ( x1 )</mnuname>") + kCrLf;
        out += QStringLiteral("<mnucount>") + QString::number(line.quantity) + QStringLiteral("</mnucount>") + kCrLf;
        out += QStringLiteral("<mnuprice>") + QString::number(MultiplyAmounts(line.unitPrice.won(), line.quantity))
            + QStringLiteral("</mnuprice>") + kCrLf;
        for (const QList<OrderOption>& group : Groups(line)) {
            out += QStringLiteral("<menubrr>") + kCrLf + QStringLiteral("<field>") + group.first().group
                + QStringLiteral("</field>") + kCrLf;
            for (const OrderOption& o : group) {
                out += QStringLiteral("<submenu>") + o.name + QStringLiteral("</submenu>") + kCrLf;
                out += QStringLiteral("<subprice>+") + FormatThousands(o.price.won()) + QStringLiteral("원</subprice>")
                    + kCrLf;
            }
            out += QStringLiteral("</menubrr>") + kCrLf;
        }
        out += QStringLiteral("</menuliner>") + kCrLf;
    }
    return out;
}

// Reads the order text back: per line the name, the count, the amount, then per group its field
// and (option, "+price원") pairs. nullopt when it is not made that way.
std::optional<QList<QList<QStringList>>> ReadText(const QString& text)
{
    QStringList rows = text.split(kCrLf);
    if (rows.isEmpty() || !rows.last().isEmpty())
        return std::nullopt;
    rows.removeLast();
    auto inside = [](const QString& row, const QString& tag) -> std::optional<QString> {
        const QString open = u'<' + tag + u'>';
        const QString close = QStringLiteral("</") + tag + u'>';
        if (!row.startsWith(open) || !row.endsWith(close) || row.size() < open.size() + close.size())
            return std::nullopt;
        return row.mid(open.size(), row.size() - open.size() - close.size());
    };
    QList<QList<QStringList>> lines;
    qsizetype i = 0;
    auto next = [&]() -> QString { return i < rows.size() ? rows[i++] : QStringLiteral("<end>"); };
    while (i < rows.size()) {
        if (next() != u"<menuliner>")
            return std::nullopt;
        const auto name = inside(next(), QStringLiteral("mnuname"));
        const auto count = inside(next(), QStringLiteral("mnucount"));
        const auto price = inside(next(), QStringLiteral("mnuprice"));
        if (!name || !count || !price || !name->endsWith(QStringLiteral(" ( x1 )")))
            return std::nullopt;
        QList<QStringList> line{{name->chopped(7), *count, *price}};
        QString row = next();
        while (row == u"<menubrr>") {
            const auto field = inside(next(), QStringLiteral("field"));
            if (!field)
                return std::nullopt;
            QStringList part{*field};
            for (row = next(); row.startsWith(QStringLiteral("<submenu>")); row = next()) {
                const auto option = inside(row, QStringLiteral("submenu"));
                const auto subprice = inside(next(), QStringLiteral("subprice"));
                if (!option || !subprice)
                    return std::nullopt;
                part << *option << *subprice;
            }
            if (row != u"</menubrr>")
                return std::nullopt;
            line << part;
            row = next();
        }
        if (row != u"</menuliner>")
            return std::nullopt;
        lines << line;
    }
    return lines;
}

bool HasMarkup(const QString& text)
{
    return text.contains(u'<') || text.contains(u'>') || text.contains(u'\r') || text.contains(u'\n');
}

void CheckText(const Order& order)
{
    const QString text = reception::OrderText(order);
    FUZZ_CHECK(text == TextRef(order), QStringLiteral(" got: %1\nwant: %2").arg(fuzz::Show(text), fuzz::Show(TextRef(order))));
    bool plain = true;
    for (const OrderLine& line : order.lines()) {
        plain = plain && !HasMarkup(line.name);
        for (const OrderOption& o : line.options)
            plain = plain && !HasMarkup(o.group) && !HasMarkup(o.name);
    }
    if (!plain)
        return;
    const auto back = ReadText(text);
    FUZZ_CHECK(back.has_value() && back->size() == order.size(), fuzz::Show(text));
    for (qsizetype i = 0; i < order.size(); ++i) {
        const OrderLine& line = order.line(i);
        QList<QStringList> want{{line.name, QString::number(line.quantity), QString::number(line.amount().won())}};
        for (const QList<OrderOption>& group : Groups(line)) {
            QStringList part{group.first().group};
            for (const OrderOption& o : group)
                part << o.name << u'+' + FormatThousands(o.price.won()) + QStringLiteral("원");
            want << part;
        }
        FUZZ_CHECK((*back)[i] == want, fuzz::Show(text));
    }
}

// Fake font: every character half as wide as the point size, a line four points higher.
reception::TextMeasure Measure()
{
    return {[](const QString& text, int pt) { return int(text.size()) * pt / 2; }, [](int pt) { return pt + 4; }};
}

reception::OrderListLayout ListRef(const Order& order)
{
    using namespace reception;
    OrderListLayout out;
    int y = 0;
    auto print = [&](TextRole role, int x, int pt, const QString& text) {
        out.texts.append({role, x, y, pt, text});
        y += pt + 4;
    };
    int64_t total = 0;
    for (int i = 0; i < order.size(); ++i) {
        const OrderLine& line = order.line(i);
        total = AddAmounts(total, MultiplyAmounts(line.unitPrice.won(), line.quantity));
        if (i >= 20)
            continue;  // no row panel beyond the twentieth
        if (i > 0) {
            out.separators.append(y + 10);
            y += 10;
        }
        y += 10;
        print(TextRole::Title, 10, 16, QString::number(i + 1) + QStringLiteral(") ") + line.name + QStringLiteral(" (x1)"));
        const int top = y;
        out.rows.append({i, top, line.quantity});
        const QString price = FormatThousands(MultiplyAmounts(line.unitPrice.won(), line.quantity)) + QStringLiteral("원");
        const int w = int(price.size()) * 16 / 2;
        y = top + 40 + 5;
        print(TextRole::Price, 469 - w - 95, 20, price);
        const QList<QList<OrderOption>> groups = Groups(line);
        for (qsizetype g = 0; g < groups.size(); ++g) {
            if (g == 0)
                y -= 50;
            y += 5;
            print(TextRole::OptionTitle, 20, 13, groups[g].first().group);
            for (const OrderOption& o : groups[g])
                print(TextRole::Option, 20, 13,
                      o.name + QStringLiteral(" ( + ") + FormatThousands(o.price.won()) + QStringLiteral("원 )"));
        }
    }
    out.height = y + 20;
    out.total = Money::Won(total);
    return out;
}

int NameWidth(const QString& name)
{
    return int(name.size()) * 9;
}

void CheckRows(const Order& order)
{
    const menu::OrderRowsLayout layout = menu::LayOutOrderRows(order, NameWidth);
    const qsizetype shown = std::min<qsizetype>(order.size(), menu::kOrderRows);
    FUZZ_CHECK(layout.rows.size() == shown, QString::number(order.size()));
    for (qsizetype i = 0; i < shown; ++i) {
        const OrderLine& line = order.line(i);
        QString options;
        for (const QList<OrderOption>& group : Groups(line)) {
            options += QStringLiteral(" / ") + group.first().group + u':' + group.first().name;
            for (qsizetype k = 1; k < group.size(); ++k)
                options += u',' + group[k].name;
        }
        const bool longName = NameWidth(line.name) > 159;
        const menu::OrderRow& row = layout.rows[i];
        const int nameTop = options.isEmpty() ? (longName ? 15 : 25) : (longName ? 5 : 15);
        const int priceTop = options.isEmpty() ? (longName ? 59 : 54) : (longName ? 44 : 39);
        FUZZ_CHECK(row.serial == QString::number(i + 1) && row.name == line.name && row.quantity == line.quantity
                       && row.price == FormatThousands(MultiplyAmounts(line.unitPrice.won(), line.quantity)) + QStringLiteral("원")
                       && row.options == options.mid(3) && row.nameTop == nameTop && row.priceTop == priceTop,
                   QStringLiteral("row %1").arg(i));
    }
    FUZZ_CHECK(layout.count == QString::number(order.size()) && layout.total == FormatThousands(ListRef(order).total.won()),
               layout.total);
    FUZZ_CHECK(layout.listHeight == (order.isEmpty() ? std::nullopt : std::optional<int>(140 * int(shown) - 5)),
               QString::number(order.size()));
}

void CheckList(const Order& order)
{
    const reception::OrderListLayout got = reception::LayOutOrderList(order, Measure());
    const reception::OrderListLayout want = ListRef(order);
    QString diff;
    for (qsizetype i = 0; i < std::max(got.texts.size(), want.texts.size()) && diff.isEmpty(); ++i) {
        const auto text = [&](const reception::OrderListLayout& l) {
            return i < l.texts.size() ? QStringLiteral("%1,%2 %3pt %4").arg(l.texts[i].x).arg(l.texts[i].y).arg(l.texts[i].sizePt).arg(l.texts[i].text)
                                      : QStringLiteral("none");
        };
        if (text(got) != text(want))
            diff = QStringLiteral("text %1\n got: %2\nwant: %3").arg(i).arg(fuzz::Show(text(got)), fuzz::Show(text(want)));
    }
    FUZZ_CHECK(got == want, QStringLiteral("%1\nheight %2/%3 total %4/%5 rows %6/%7")
                                .arg(diff)
                                .arg(got.height).arg(want.height).arg(got.total.won()).arg(want.total.won())
                                .arg(got.rows.size()).arg(want.rows.size()));
    FUZZ_CHECK(order.total() == want.total, QString::number(order.total().won()));
}

QString Piece(FuzzedDataProvider& in, int maxLength)
{
    static const QString kChars = QStringLiteral("Ab가나 <&+!1,.-\r\n◈");
    QString out;
    const int n = in.ConsumeIntegralInRange(1, maxLength);
    for (int i = 0; i < n; ++i)
        out += kChars[in.ConsumeIntegralInRange<int>(0, int(kChars.size()) - 1)];
    return out;
}

int64_t Price(FuzzedDataProvider& in)
{
    switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0:
        return in.ConsumeIntegralInRange<int64_t>(0, 120);
    case 1:
        return in.ConsumeIntegral<int64_t>();
    case 2:
        return in.ConsumeIntegralInRange<int64_t>(-3000, 100000);
    default:
        return in.ConsumeIntegralInRange<int64_t>(0, 999'999'999'999);
    }
}

OrderLine BuiltLine(FuzzedDataProvider& in)
{
    OrderLine line;
    line.name = Piece(in, 24);
    line.unitPrice = Money::Won(Price(in));
    line.quantity = in.ConsumeBool() ? in.ConsumeIntegralInRange(1, 99) : in.ConsumeIntegral<int>();
    const int groups = in.ConsumeIntegralInRange(0, 3);
    for (int g = 0; g < groups; ++g) {
        const QString group = Piece(in, 8);
        const int options = in.ConsumeIntegralInRange(1, 3);
        for (int o = 0; o < options; ++o)
            line.options.append({group, Piece(in, 8), Money::Won(Price(in))});
    }
    return line;
}

void CheckAll(const Order& order)
{
    CheckText(order);
    CheckList(order);
    CheckRows(order);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    Order order;
    const int lines = in.ConsumeIntegralInRange(0, 22);
    for (int i = 0; i < lines; ++i) {
        const bool full = order.full();
        FUZZ_CHECK(order.add(BuiltLine(in)) == !full, QString::number(order.size()));
    }
    FUZZ_CHECK(order.size() <= order::kMaxLines, QString::number(order.size()));
    CheckAll(order);

    reception::OrderList list(Measure());
    while (in.remaining_bytes() > 0) {
        const int op = in.ConsumeIntegralInRange(0, 5);
        const int row = in.ConsumeIntegralInRange(0, 21);
        const int step = op % 2 == 0 ? -1 : 1;
        Order next = order;
        Order want = order;
        bool wantChange = false;
        if (row < order.size() && op <= 3) {
            // "-" acts above 1, "+" below 99.
            const int q = order.line(row).quantity;
            if (step < 0 ? q > 1 : q < 99) {
                wantChange = true;
                QList<OrderLine> all = order.lines();
                all[row].quantity = q + step;
                want = Order();
                for (const OrderLine& l : all)
                    want.add(l);
            }
        }
        if (op <= 1) {  // menu page "-" / "+"
            FUZZ_CHECK(next.step(row, step) == wantChange && next == want, QStringLiteral("row %1 step %2").arg(row).arg(step));
        } else if (op <= 3) {  // reception list "-" / "+"
            list.draw(order);
            FUZZ_CHECK(list.stepQuantity(next, row, step) == wantChange && next == want,
                       QStringLiteral("row %1 step %2").arg(row).arg(step));
        } else if (op == 4) {  // "x"
            list.draw(order);
            list.deleteLine(next, row);
            QList<OrderLine> all = order.lines();
            if (row < all.size())
                all.removeAt(row);
            FUZZ_CHECK(next.lines() == all, QStringLiteral("row %1").arg(row));
        } else {
            const OrderLine line = BuiltLine(in);
            FUZZ_CHECK(next.add(line) == !order.full(), QString::number(order.size()));
            FUZZ_CHECK(order.full() ? next == order : next.lines().last() == line, QString::number(order.size()));
        }
        if (next != order) {
            order = next;
            CheckAll(order);
        }
    }
    return 0;
}
