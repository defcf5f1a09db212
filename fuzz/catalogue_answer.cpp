// The catalogue answer: ParseMenuAnswer against a plain reading of the answer, record by record and
// tag by tag as the loader's rules tell it, option groups and prices typed; one row slot per "<menubrr>"; the memory
// the table holds grows with the answer's size, no faster.
#include "catalogue/menu_catalogue.h"
#include "fuzz_support.h"
#include "server/fields.h"
#include "startup/parse.h"

#include <array>
#include <optional>
#include <sanitizer/allocator_interface.h>
#include <vector>

namespace {

using namespace sumbrel;
using Row = std::array<QString, 43>;

const QString kMark = QStringLiteral("◈");
const QString kSafe = QStringLiteral("◇");

// The columns and the tag that fills each.
const char* const kColumnTags[43] = {"num",
                                     "title",
                                     "price",
                                     "category",
                                     "type",
                                     "menumin",
                                     "discountt",
                                     "saving",
                                     "round",
                                     "add1",
                                     "add2",
                                     "add3",
                                     "add4",
                                     "add5",
                                     "maxYN",
                                     "maxCount",
                                     "soldoutYN",
                                     "SOregdate1",
                                     "SOregdate2",
                                     "infotext1",
                                     "infotext2",
                                     "soldoutYN",
                                     "soldoutTO",
                                     "soldoutZZim",
                                     "soldoutWait",
                                     "soldoutDelivery",
                                     "SOregdate1",
                                     "SOregdate1num",
                                     "SOregdate1num2",
                                     "SOregdate2",
                                     "SOregdate2num",
                                     "SOregdate2num2",
                                     "printtext",
                                     "hallcheck",
                                     "TOMenuYN",
                                     "ZZimMenuYN",
                                     "WaitMenuYN",
                                     "DeliveryMenuYN",
                                     "taxcheck",
                                     "poscategorynumber",
                                     "positemnumber",
                                     "QRMenuYN",
                                     "soldoutQR"};

// The text after the first `open`, up to the first `close` after it or the end; nullopt without `open`.
std::optional<QString> Cut(const QString& text, const QString& open, const QString& close)
{
    const qsizetype at = text.indexOf(open);
    if (at < 0)
        return std::nullopt;
    const qsizetype from = at + open.size();
    const qsizetype to = text.indexOf(close, from);
    return to < 0 ? text.mid(from) : text.mid(from, to - from);
}

QString Inner(const QString& raw, const QString& tag)
{
    return Cut(raw, u'<' + tag + u'>', QStringLiteral("</") + tag + u'>').value_or(QString()).trimmed();
}

// An add1..add5 value as the dialog's group: the plain cutting here, the naming rules the builder's.
OptionGroupSlot OptionGroup(const QString& raw, int slot)
{
    if (Inner(raw, QStringLiteral("yn")).isEmpty())
        return {};
    const qsizetype first = raw.indexOf(QStringLiteral("<subtitle>"));
    if (first < 0)
        return {};
    const qsizetype last = raw.lastIndexOf(QStringLiteral("</subprice>"));
    // No closing price after the first option: the options run to the end.
    const QString options = last > first ? raw.mid(first, last - first) : raw.mid(first);
    const QStringList pieces = options.split(QStringLiteral("<subtitle>"));
    OptionGroupBuilder group(slot, Inner(raw, QStringLiteral("nooption")), Inner(raw, QStringLiteral("field")),
                             Inner(raw, QStringLiteral("mincount")));
    for (qsizetype p = 1; p < pieces.size(); ++p) {
        const QString name = pieces[p].split(QStringLiteral("</subtitle>")).front();
        // A piece without "<subprice>" has an empty price.
        const QString price
            = Cut(pieces[p], QStringLiteral("<subprice>"), QStringLiteral("</subprice>")).value_or(QString());
        group.add(UnescapeField(name), price);
    }
    return group.finish();
}

// Digits alone, as many as a price may have.
bool PlainWholeNumber(const QString& text)
{
    if (text.isEmpty() || text.size() > kPriceDigits)
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

struct Reference {
    std::vector<Row> rows;  // every slot
    std::vector<std::array<OptionGroupSlot, kOptionGroups>> groups;
    qsizetype taken = 0;
};

Reference Read(const QString& answer)
{
    Reference ref;
    const QStringList pieces = answer.split(QStringLiteral("<menubrr>"));
    ref.rows.resize(size_t(pieces.size() - 1));
    ref.groups.resize(ref.rows.size());
    for (qsizetype r = 1; r < pieces.size(); ++r) {
        const QString record = pieces[r].split(QStringLiteral("</menubrr>")).front();
        Row row;
        for (int c = 0; c < 43; ++c) {
            const QString tag = QString::fromLatin1(kColumnTags[c]);
            // A tag missing from the record gives empty text.
            QString value = Cut(record, tag + u'[', u']' + tag).value_or(QString());
            value.replace(kMark, kSafe);
            row[size_t(c)] = value;
        }
        if (row[32].split(u';').size() != 3)
            row[32] = QStringLiteral(";;");
        for (int c : {1, 3, 19, 20})
            row[size_t(c)] = UnescapeField(row[size_t(c)]);
        if (row[3] == u"분류없음")
            continue;
        for (int c = 9; c <= 13; ++c)
            ref.groups[size_t(ref.taken)][size_t(c - 9)] = OptionGroup(row[size_t(c)], c - 9);
        ref.rows[size_t(ref.taken++)] = row;
    }
    return ref;
}

QString Describe(qsizetype r, int c, const QString& got, const QString& want)
{
    return QStringLiteral("row %1 column %2 (%3)\n got: %4\nwant: %5")
        .arg(r)
        .arg(c)
        .arg(QString::fromLatin1(kColumnTags[c]), fuzz::Show(got), fuzz::Show(want));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::NoLogFiles();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString answer = fuzz::Text(data, size);

    const size_t before = __sanitizer_get_current_allocated_bytes();
    const MenuCatalogue table = ParseMenuAnswer(answer);
    const size_t held = __sanitizer_get_current_allocated_bytes() - before;
    // Each column holds at most one record's text, an option group a few times its raw value.
    const size_t bound = 256 * size_t(answer.size()) + 64 * 1024;
    FUZZ_CHECK(held <= bound, QStringLiteral("%1 bytes held for %2 chars").arg(held).arg(answer.size()));

    FUZZ_CHECK(table.rowCount() == CountOf(answer, u"<menubrr>"), QStringLiteral("%1 rows").arg(table.rowCount()));
    const Reference ref = Read(answer);
    FUZZ_CHECK(table.rowCount() == qsizetype(ref.rows.size()), QStringLiteral("%1 rows").arg(table.rowCount()));
    FUZZ_CHECK(table.takenCount() == ref.taken,
               QStringLiteral("%1 taken, want %2").arg(table.takenCount()).arg(ref.taken));
    for (qsizetype r = 0; r < table.rowCount(); ++r) {
        const MenuRecord& record = table.row(r);
        for (int c = 0; c < 43; ++c) {
            if (c >= 9 && c <= 13)
                continue;
            const QString got = record.value(kColumnTags[c]);
            FUZZ_CHECK(got == ref.rows[size_t(r)][size_t(c)], Describe(r, c, got, ref.rows[size_t(r)][size_t(c)]));
        }
        for (int g = 0; g < kOptionGroups; ++g)
            FUZZ_CHECK(record.groups[size_t(g)] == ref.groups[size_t(r)][size_t(g)],
                       QStringLiteral("row %1 add%2 differs").arg(r).arg(g + 1));
        // A price of digits alone is money; money is the text's digits.
        const QString& price = ref.rows[size_t(r)][2];
        FUZZ_CHECK(record.price.has_value() || !PlainWholeNumber(price),
                   QStringLiteral("row %1 price %2 not read").arg(r).arg(fuzz::Show(price)));
        if (record.price) {
            QString digits = price;
            digits.remove(u',');
            FUZZ_CHECK(
                record.price->won() == digits.trimmed().toLongLong(),
                QStringLiteral("row %1 price %2 read as %3").arg(r).arg(fuzz::Show(price)).arg(record.price->won()));
        }
    }
    // A number finds the first row that holds it.
    for (qsizetype r = 0; r < ref.taken; ++r) {
        const QString& num = ref.rows[size_t(r)][0];
        if (num.isEmpty())
            continue;
        qsizetype first = 0;
        while (ref.rows[size_t(first)][0] != num)
            ++first;
        FUZZ_CHECK(table.FindRow(num) == first,
                   QStringLiteral("num %1 found at %2, first at %3").arg(num).arg(table.FindRow(num)).arg(first));
    }
    return 0;
}
