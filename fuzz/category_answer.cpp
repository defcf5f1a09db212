// The category answer: ParseCategoryAnswer against a plain reading of it. A tag missing from a
// record carries the previous record's value; "분류없음" drops the record (as sent, before decoding);
// the YN value is found only behind a blank; folded exactly for foldYN "Y".
#include "catalogue/category_table.h"
#include "fuzz_support.h"
#include "server/fields.h"

#include <array>
#include <vector>

namespace {

using namespace sumbrel;

// Replaces value by the text after the first open up to the first close after it (or the end);
// leaves it when open does not occur.
void Cut(const QString& record, const QString& open, const QString& close, QString& value)
{
    const qsizetype at = record.indexOf(open);
    if (at < 0)
        return;
    const QString rest = record.mid(at + open.size());
    value = rest.split(close).front();
}

std::vector<std::array<QString, 6>> Read(const QString& answer)
{
    std::vector<std::array<QString, 6>> rows;
    QString num, category, discount, saving, yn, fold;
    const QStringList pieces = answer.split(QStringLiteral("<menubrr>"));
    for (qsizetype r = 1; r < pieces.size(); ++r) {
        const QString record = pieces[r].split(QStringLiteral("</menubrr>")).front();
        Cut(record, QStringLiteral("num["), QStringLiteral("]num"), num);
        Cut(record, QStringLiteral("category["), QStringLiteral("]category"), category);
        Cut(record, QStringLiteral("discount["), QStringLiteral("]discount"), discount);
        Cut(record, QStringLiteral("saving["), QStringLiteral("]saving"), saving);
        Cut(record, QStringLiteral(" YN["), QStringLiteral("]YN"), yn);
        Cut(record, QStringLiteral("foldYN["), QStringLiteral("]foldYN"), fold);
        if (category == u"분류없음")
            continue;
        rows.push_back(
            {num, UnescapeField(category), discount, saving, yn, fold == u"Y" ? QString() : QStringLiteral("O")});
    }
    return rows;
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
    const CategoryTable table = ParseCategoryAnswer(answer);
    const auto ref = Read(answer);
    FUZZ_CHECK(table.rowCount() == qsizetype(ref.size()),
               QStringLiteral("%1 rows, want %2").arg(table.rowCount()).arg(ref.size()));
    for (qsizetype r = 0; r < table.rowCount(); ++r) {
        const CategoryRecord& got = table.row(r);
        const auto& want = ref[size_t(r)];
        const std::array<QString, 6> columns{got.num,    got.name, got.discount,
                                             got.saving, got.yn,   got.folded ? QString() : QStringLiteral("O")};
        for (int c = 0; c < 6; ++c)
            FUZZ_CHECK(columns[size_t(c)] == want[size_t(c)],
                       QStringLiteral("row %1 column %2\n got: %3\nwant: %4")
                           .arg(r)
                           .arg(c)
                           .arg(fuzz::Show(columns[size_t(c)]), fuzz::Show(want[size_t(c)])));
    }
    return 0;
}
