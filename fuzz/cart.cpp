// The cart text and what is made of it. The input is a cart (built from well-formed lines, or raw
// text with "|" standing for the mark) and a run of key presses on both order lists. After each:
// - XML_Order equals the order text built by its rules (empty when a line cannot be converted), and
//   for values free of markup and line breaks, reading the order text back gives the cart's fields;
// - the reception list's layout (with a fake measure) equals the drawing done by its rules, and the
//   menu page's rows equal theirs for a cart whose lines can all be read;
// - "-", "+", "x" and appending change the cart as the rules say (nothing at the quantity limits).
#include "fuzz_support.h"
#include "startup/utilities.h"
#include "menu/cart.h"
#include "menu/order_rows.h"
#include "menu/order_text.h"
#include "reception/order_list.h"
#include "startup/parse.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <optional>

namespace {

using namespace sumbrel;
const QString M = QStringLiteral("◈");
const QString MM = QStringLiteral("◈◈");
const QString MMM = QStringLiteral("◈◈◈");
const QString kCrLf = QStringLiteral("\r\n");

QStringList Lines(const QString& cart)
{
    return cart.isEmpty() ? QStringList() : cart.split(MMM);
}

QString XmlRef(const QString& cart)
{
    QString out;
    for (const QString& line : Lines(cart)) {
        out += QStringLiteral("<menuliner>") + kCrLf;
        const QStringList parts = line.split(MM);
        for (qsizetype p = 0; p < parts.size(); ++p) {
            const QStringList f = parts[p].split(M);
            if (p == 0) {
                if (f.size() < 5)
                    return {};
                out += QStringLiteral("<mnuname>") + f[0] + QStringLiteral(" ( x") + f[1] + QStringLiteral(" )</mnuname>") + kCrLf;
                out += QStringLiteral("<mnucount>") + f[2] + QStringLiteral("</mnucount>") + kCrLf;
                out += QStringLiteral("<mnuprice>") + f[4] + QStringLiteral("</mnuprice>") + kCrLf;
            } else {
                out += QStringLiteral("<menubrr>") + kCrLf + QStringLiteral("<field>") + f[0] + QStringLiteral("</field>") + kCrLf;
                for (qsizetype k = 1; k < f.size(); k += 2) {
                    if (k + 1 >= f.size())
                        return {};
                    out += QStringLiteral("<submenu>") + f[k] + QStringLiteral("</submenu>") + kCrLf;
                    out += QStringLiteral("<subprice>+") + FormatThousands(f[k + 1]) + QStringLiteral("원</subprice>") + kCrLf;
                }
                out += QStringLiteral("</menubrr>") + kCrLf;
            }
        }
        out += QStringLiteral("</menuliner>") + kCrLf;
    }
    return out;
}

// Reads the order text back into cart fields: every element on its own line, blocks balanced.
// nullopt when it is not made that way.
std::optional<QList<QList<QStringList>>> ReadXml(const QString& xml)
{
    QStringList rows = xml.split(kCrLf);
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
        if (!name || !count || !price || !name->endsWith(QStringLiteral(" )")))
            return std::nullopt;
        const qsizetype x = name->lastIndexOf(QStringLiteral(" ( x"));
        if (x < 0)
            return std::nullopt;
        QList<QStringList> line{{name->left(x), name->mid(x + 4, name->size() - x - 6), *count, *price}};
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

void CheckXml(const QString& cart)
{
    const QString xml = XML_Order(cart);
    FUZZ_CHECK(xml == XmlRef(cart), QStringLiteral("cart: %1\n got: %2\nwant: %3")
                                        .arg(fuzz::Show(cart), fuzz::Show(xml), fuzz::Show(XmlRef(cart))));
    if (xml.isEmpty() || cart.contains(u'<') || cart.contains(u'>') || cart.contains(u'\r') || cart.contains(u'\n'))
        return;
    const auto back = ReadXml(xml);
    FUZZ_CHECK(back.has_value(), fuzz::Show(xml));
    const QStringList lines = Lines(cart);
    FUZZ_CHECK(back->size() == lines.size(), fuzz::Show(xml));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList parts = lines[i].split(MM);
        const QStringList main = parts[0].split(M);
        const QList<QStringList>& read = (*back)[i];
        FUZZ_CHECK(read[0] == (QStringList{main[0], main[1], main[2], main[4]}), fuzz::Show(xml));
        FUZZ_CHECK(read.size() == parts.size(), fuzz::Show(xml));
        for (qsizetype p = 1; p < parts.size(); ++p) {
            QStringList want = parts[p].split(M);
            for (qsizetype k = 2; k < want.size(); k += 2)
                want[k] = u'+' + FormatThousands(want[k]) + QStringLiteral("원");
            FUZZ_CHECK(read[p] == want, fuzz::Show(xml));
        }
    }
}

// Fake font: every character half as wide as the point size, a line four points higher.
reception::TextMeasure Measure()
{
    return {[](const QString& text, int pt) { return int(text.size()) * pt / 2; }, [](int pt) { return pt + 4; }};
}

reception::OrderListLayout ListRef(const QString& cart)
{
    using namespace reception;
    OrderListLayout out;
    int y = 0;
    int n = 1;
    auto print = [&](TextRole role, int x, int pt, const QString& text) {
        out.texts.append({role, x, y, pt, text});
        y += pt + 4;
    };
    const QStringList lines = Lines(cart);
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList parts = lines[i].split(MM);
        for (int j = 0; j < parts.size(); ++j) {
            const QStringList f = parts[j].split(M);
            if (f.size() < 2)
                continue;
            if (j == 0) {
                if (i > 0) {
                    out.separators.append(y + 10);
                    y += 10;
                }
                y += 10;
                print(TextRole::Title, 10, 16, QString::number(n) + QStringLiteral(") ") + f[0] + QStringLiteral(" (x") + f[1] + u')');
                // No row panel beyond the twentieth; a field missing stops the drawing.
                if (i >= 20 || f.size() < 5) {
                    out.complete = false;
                    return out;
                }
                const int top = y;
                out.rows.append({i, top, f[2], f[3]});
                out.total = AddAmounts(out.total, ParseAmount(f[4]));
                const QString price = FormatThousands(f[4]) + QStringLiteral("원");
                const int w = int(price.size()) * 16 / 2;
                y = top + 40 + 5;
                print(TextRole::Price, 469 - w - 95, 20, price);
                ++n;
            } else {
                if (j == 1)
                    y -= 50;
                y += 5;
                print(TextRole::OptionTitle, 20, 13, f[0]);
                for (qsizetype k = 1; k < f.size(); k += 2) {
                    if (k + 1 >= f.size()) {
                        out.complete = false;
                        return out;
                    }
                    print(TextRole::Option, 20, 13, f[k] + QStringLiteral(" ( + ") + FormatThousands(f[k + 1]) + QStringLiteral("원 )"));
                }
            }
        }
    }
    out.height = y + 20;
    return out;
}

// Every line's main part has its five fields, and there are rows for all of them.
bool AllReadable(const QString& cart)
{
    const QStringList lines = Lines(cart);
    if (lines.size() > 20)
        return false;
    for (const QString& line : lines)
        if (line.split(MM).front().split(M).size() < 5)
            return false;
    return true;
}

int NameWidth(const QString& name)
{
    return int(name.size()) * 9;
}

void CheckRows(const QString& cart)
{
    const menu::OrderRowsLayout layout = menu::LayOutOrderRows(cart, NameWidth);
    FUZZ_CHECK(layout.rows.size() <= menu::kOrderRows, fuzz::Show(cart));
    if (!AllReadable(cart))
        return;
    const QStringList lines = Lines(cart);
    FUZZ_CHECK(layout.complete && layout.rows.size() == lines.size(), fuzz::Show(cart));
    int64_t total = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList parts = lines[i].split(MM);
        const QStringList f = parts[0].split(M);
        QString options;
        for (qsizetype j = 1; j < parts.size(); ++j) {
            const QStringList o = parts[j].split(M);
            if (o.size() < 2)
                continue;
            options += QStringLiteral(" / ") + o[0] + u':' + o[1];
            for (qsizetype k = 3; k < o.size(); k += 2)
                options += u',' + o[k];
        }
        const bool longName = NameWidth(f[0]) > 159;
        const menu::OrderRow& row = layout.rows[i];
        const int nameTop = options.isEmpty() ? (longName ? 15 : 25) : (longName ? 5 : 15);
        const int priceTop = options.isEmpty() ? (longName ? 59 : 54) : (longName ? 44 : 39);
        FUZZ_CHECK(row.serial == QString::number(i + 1) && row.name == f[0] && row.quantity == f[2] && row.unitPrice == f[3]
                       && row.price == FormatThousands(ParseAmount(f[4])) + QStringLiteral("원") && row.options == options.mid(3)
                       && row.nameTop == nameTop && row.priceTop == priceTop,
                   QStringLiteral("row %1 of %2").arg(i).arg(fuzz::Show(cart)));
        total = AddAmounts(total, ParseAmount(f[4]));
    }
    FUZZ_CHECK(layout.count == QString::number(lines.size()) && layout.total == FormatThousands(total), fuzz::Show(cart));
    FUZZ_CHECK(layout.listHeight == (lines.isEmpty() ? std::nullopt : std::optional<int>(140 * int(lines.size()) - 5)),
               fuzz::Show(cart));
}

void CheckList(const QString& cart)
{
    const reception::OrderListLayout got = reception::LayOutOrderList(cart, Measure());
    reception::OrderListLayout want = ListRef(cart);
    // A stopped drawing leaves the height and the total as they were: the layout carries neither.
    if (!want.complete) {
        want.total = 0;
        want.height = reception::kEmptyListHeight;
    }
    QString diff;
    for (qsizetype i = 0; i < std::max(got.texts.size(), want.texts.size()) && diff.isEmpty(); ++i) {
        const auto text = [&](const reception::OrderListLayout& l) {
            return i < l.texts.size() ? QStringLiteral("%1,%2 %3pt %4").arg(l.texts[i].x).arg(l.texts[i].y).arg(l.texts[i].sizePt).arg(l.texts[i].text)
                                      : QStringLiteral("none");
        };
        if (text(got) != text(want))
            diff = QStringLiteral("text %1\n got: %2\nwant: %3").arg(i).arg(fuzz::Show(text(got)), fuzz::Show(text(want)));
    }
    FUZZ_CHECK(got == want, QStringLiteral("cart: %1\n%2\nheight %3/%4 total %5/%6 complete %7/%8 rows %9/%10")
                                .arg(fuzz::Show(cart), diff)
                                .arg(got.height).arg(want.height).arg(got.total).arg(want.total)
                                .arg(got.complete).arg(want.complete).arg(got.rows.size()).arg(want.rows.size()));
}

std::optional<QString> RegenRef(const QString& cart, int i, const QString& quantity, const QString& unitPrice)
{
    QStringList lines = Lines(cart);
    if (i < 0 || i >= lines.size())
        return std::nullopt;
    QStringList parts = lines[i].split(MM);
    const QStringList f = parts[0].split(M);
    if (f.size() < 2)
        return std::nullopt;
    parts[0] = f[0] + M + f[1] + M + quantity + M + unitPrice + M
        + QString::number(MultiplyAmounts(ParseAmount(quantity), ParseAmount(unitPrice)));
    lines[i] = parts.join(MM);
    return lines.join(MMM);
}

// A quantity key of a row that shows line i: "-" acts above 1, "+" below 99.
std::optional<QString> StepRef(const QString& cart, int i, int step)
{
    const QStringList f = Lines(cart)[i].split(MM).front().split(M);
    const int32_t n = ParseLong(f[2]);
    if (step < 0 ? n <= 1 : n >= 99)
        return std::nullopt;
    return RegenRef(cart, i, QString::number(int64_t(n) + step), f[3]);
}

// Lines shown on both lists: those before the first whose main part lacks a field, at most 20.
int ShownLines(const QString& cart)
{
    int shown = 0;
    for (const QString& line : Lines(cart)) {
        if (shown == 20 || line.split(MM).front().split(M).size() < 5)
            break;
        ++shown;
    }
    return shown;
}

QString Piece(FuzzedDataProvider& in, int maxLength)
{
    static const QString kChars = QStringLiteral("Ab가나 <&+!1,.-");
    QString out;
    const int n = in.ConsumeIntegralInRange(1, maxLength);
    for (int i = 0; i < n; ++i)
        out += kChars[in.ConsumeIntegralInRange<int>(0, int(kChars.size()) - 1)];
    return out;
}

QString Number(FuzzedDataProvider& in)
{
    switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0:
        return QString::number(in.ConsumeIntegralInRange(0, 120));
    case 1:
        return QString::number(in.ConsumeIntegral<int32_t>());
    case 2:
        return QString::number(in.ConsumeIntegralInRange(0, 100000));
    default:
        return Piece(in, 6);
    }
}

QString BuiltLine(FuzzedDataProvider& in)
{
    const QString quantity = Number(in);
    const QString price = Number(in);
    QString line = Piece(in, 24) + M + QStringLiteral("1") + M + quantity + M + price + M
        + QString::number(MultiplyAmounts(ParseAmount(quantity), ParseAmount(price)));
    const int groups = in.ConsumeIntegralInRange(0, 3);
    for (int g = 0; g < groups; ++g) {
        line += MM + Piece(in, 8);
        const int options = in.ConsumeIntegralInRange(1, 3);
        for (int o = 0; o < options; ++o)
            line += M + Piece(in, 8) + M + Number(in);
    }
    return line;
}

void CheckAll(const QString& cart)
{
    CheckXml(cart);
    CheckList(cart);
    CheckRows(cart);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    QString cart;
    if (in.ConsumeBool()) {
        const int lines = in.ConsumeIntegralInRange(0, 22);
        for (int i = 0; i < lines; ++i)
            cart = cart::AppendLine(cart, BuiltLine(in));
    } else {
        const std::string raw = in.ConsumeRandomLengthString(2000);
        cart = QString::fromUtf8(raw.data(), qsizetype(raw.size())).replace(u'|', M);
    }
    CheckAll(cart);

    reception::OrderList list(Measure());
    while (in.remaining_bytes() > 0) {
        const int op = in.ConsumeIntegralInRange(0, 5);
        const int shown = ShownLines(cart);
        const int row = in.ConsumeIntegralInRange(0, 21);
        QString next = cart;
        if (op <= 1) {  // menu page "-" / "+"
            const int step = op == 0 ? -1 : 1;
            const auto got = menu::StepRowQuantity(cart, row, step);
            const auto want = row < shown ? StepRef(cart, row, step) : std::nullopt;
            FUZZ_CHECK(got == want, QStringLiteral("row %1 step %2 of %3").arg(row).arg(step).arg(fuzz::Show(cart)));
            if (got)
                next = *got;
        } else if (op <= 3) {  // reception list "-" / "+"
            const int step = op == 2 ? -1 : 1;
            list.draw(cart);
            const bool moved = list.stepQuantity(next, row, step);
            // The list skips a line whose main part has a single field and draws on.
            bool drawn = false;
            for (const reception::RowPlace& place : ListRef(cart).rows)
                drawn = drawn || place.line == row;
            const auto want = drawn ? StepRef(cart, row, step) : std::nullopt;
            FUZZ_CHECK(moved == want.has_value() && (!want || next == *want),
                       QStringLiteral("row %1 step %2 of %3").arg(row).arg(step).arg(fuzz::Show(cart)));
        } else if (op == 4) {  // "x"
            next = cart::DeleteLine(cart, row);
            QStringList lines = Lines(cart);
            if (row < lines.size())
                lines.removeAt(row);
            FUZZ_CHECK(next == lines.join(MMM), QStringLiteral("row %1 of %2").arg(row).arg(fuzz::Show(cart)));
        } else {
            const QString line = BuiltLine(in);
            next = cart::AppendLine(cart, line);
            FUZZ_CHECK(next == (cart.isEmpty() ? line : cart + MMM + line), fuzz::Show(cart));
        }
        if (next != cart) {
            cart = next;
            CheckAll(cart);
        }
    }
    return 0;
}
