#pragma once
// The shop's categories, only those that the terminal shows.
#include "server/endpoints.h"

#include <QString>
#include <QStringView>
#include <array>
#include <optional>
#include <vector>

namespace sumbrel {

// One category; no rule reads the discount, saving and YN values: they are carried as they came.
struct CategoryRecord {
    QString num;
    QString name;  // decoded
    QString discount;
    QString saving;
    QString yn;
    bool folded = false;  // foldYN is exactly "Y"
    bool operator==(const CategoryRecord&) const = default;
};

// The most records a category answer is read for.
inline constexpr qsizetype kMaxCategoryRecords = 1000;

class CategoryTable {
public:
    qsizetype rowCount() const { return qsizetype(m_rows.size()); }
    const CategoryRecord& row(qsizetype r) const { return m_rows[size_t(r)]; }
    void clear() { m_rows.clear(); }
    void append(CategoryRecord record) { m_rows.push_back(std::move(record)); }
    bool operator==(const CategoryTable&) const = default;

private:
    std::vector<CategoryRecord> m_rows;
};

// Cuts the category answer into the table. A tag missing from a record keeps the previous record's
// value (empty for the first); the YN field is found only as " YN[" (with the blank, as "foldYN["
// holds "YN[" too).
CategoryTable ParseCategoryAnswer(QStringView answer);

// Requests the categories: nullopt when no good answer came (no whole 200 answer holding records).
std::optional<CategoryTable> FetchCategories(const Session& session, const endpoints::Poster& post = {});
// The same with the address and body made beforehand, and the call's options (its cancel flag).
std::optional<CategoryTable> FetchCategoriesAt(const QString& url, const QString& body,
                                               const endpoints::Poster& post = {}, const CallOptions& options = {});
}  // namespace sumbrel
