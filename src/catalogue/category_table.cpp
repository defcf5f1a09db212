#include "catalogue/category_table.h"

#include "server/endpoints.h"
#include "server/fields.h"
#include "startup/trace_log.h"

namespace sumbrel {

namespace {

// Text after the first open in the record, up to the first close after it (or the record's end);
// a missing open leaves the value as it was.
void cut(QStringView rec, QStringView open, QStringView close, QString& value)
{
    const qsizetype at = rec.indexOf(open);
    if (at < 0)
        return;
    const qsizetype s = at + open.size();
    const qsizetype end = rec.indexOf(close, s);
    value = (end < 0 ? rec.mid(s) : rec.mid(s, end - s)).toString();
}

}  // namespace

CategoryTable ParseCategoryAnswer(QStringView answer)
{
    CategoryTable table;
    static constexpr QStringView kOpen = u"<menubrr>";
    static constexpr QStringView kClose = u"</menubrr>";
    QString num, category, discount, saving, yn, fold;
    qsizetype at = answer.indexOf(kOpen);
    // Records beyond what a shop has would only cost memory.
    for (qsizetype records = 0; at >= 0 && records < kMaxCategoryRecords; ++records) {
        const qsizetype s = at + kOpen.size();
        const qsizetype next = answer.indexOf(kOpen, s);
        QStringView rec = next < 0 ? answer.mid(s) : answer.mid(s, next - s);
        const qsizetype end = rec.indexOf(kClose);
        if (end >= 0)
            rec = rec.left(end);
        at = next;

        // A tag missing from a record keeps the value the previous record left (empty at first).
        cut(rec, u"num[", u"]num", num);
        cut(rec, u"category[", u"]category", category);
        cut(rec, u"discount[", u"]discount", discount);
        cut(rec, u"saving[", u"]saving", saving);
        cut(rec, u" YN[", u"]YN", yn);
        cut(rec, u"foldYN[", u"]foldYN", fold);
        if (category == u"분류없음")
            continue;
        table.append({num, UnescapeField(category), discount, saving, yn, fold == u"Y"});
    }
    return table;
}

std::optional<CategoryTable> FetchCategories(const Session& session, const endpoints::Poster& post)
{
    return FetchCategoriesAt(endpoints::Url(session, endpoints::kCategories), endpoints::CredentialsBody(session), post,
                             endpoints::SessionCall(session));
}

std::optional<CategoryTable> FetchCategoriesAt(const QString& url, const QString& body, const endpoints::Poster& post,
                                               const CallOptions& options)
{
    const PostResult answer = endpoints::PostLogged(QStringLiteral("Read_대분류_전체"), url, body,
                                                    QString::fromUtf16(endpoints::kChannelCatalogue), post, options);
    if (!answer.good() || !answer.text.contains(QStringLiteral("<menubrr>"))) {
        WriteLog(QStringLiteral("Read_대분류_전체() ... 분류 응답이 없거나 올바르지 않아 이전 분류를 유지함 (")
                 + QString::number(answer.status) + u')');
        return std::nullopt;
    }
    return ParseCategoryAnswer(answer.text);
}

}  // namespace sumbrel
