#pragma once
// The shop's menu catalogue as the web service delivers it: one row per record slot, 43 text columns.
#include "catalogue/menu_tags.h"
#include "server/endpoints.h"

#include <QHash>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>
#include <vector>

namespace sumbrel {

inline constexpr int kOptionGroups = 5;
// The most records a catalogue answer is read for; a shop's menu has a few hundred.
inline constexpr qsizetype kMaxMenuRecords = 5000;

struct MenuRecord {
    std::array<QString, kMenuColumns> col;

    const QString& num() const { return col[kColNum]; }
    const QString& title() const { return col[kColTitle]; }
    const QString& price() const { return col[kColPrice]; }
    const QString& category() const { return col[kColCategory]; }
    const QString& infotext1() const { return col[kColInfotext1]; }
    const QString& infotext2() const { return col[kColInfotext2]; }
    const QString& printtext() const { return col[kColPrinttext]; }
    // Option group j (0..4): nooption◈field◈mincount◈name◈price..., or empty.
    const QString& optionGroup(int j) const { return col[kColAdd1 + j]; }
    int optionGroupCount() const;
    bool isEmpty() const;

    bool operator==(const MenuRecord&) const = default;
};

class MenuCatalogue {
public:
    // Row slots, the empty ones at the end included.
    qsizetype rowCount() const { return qsizetype(m_rows.size()); }
    // Rows filled from records (0 .. takenCount()-1); the rest are empty slots.
    qsizetype takenCount() const { return m_taken; }
    const MenuRecord& row(qsizetype r) const { return m_rows[size_t(r)]; }
    const QString& at(qsizetype r, int column) const { return m_rows[size_t(r)].col[size_t(column)]; }

    // The row of the menu number, or nullptr.
    const MenuRecord* FindMenu(QStringView num) const;
    const MenuRecord* FindMenu(long num) const;
    qsizetype FindRow(QStringView num) const;

    void clear();

    // Building: (optionally) size the slots, fill rows one by one from row 0, then give the number
    // of slots (empty ones are added at the end) and index.
    void reset(qsizetype slots);
    void reserve(qsizetype slots);
    MenuRecord& nextRow();
    void finish(qsizetype slots);

    bool operator==(const MenuCatalogue& other) const { return m_taken == other.m_taken && m_rows == other.m_rows; }

private:
    std::vector<MenuRecord> m_rows;
    qsizetype m_taken = 0;
    QHash<QString, qsizetype> m_index;
};

// The global table, refilled as a whole by each load.
MenuCatalogue& menuCatalogue();

// Cuts the catalogue answer into the table. A tag missing from a record gives empty text.
MenuCatalogue ParseMenuAnswer(QStringView answer);

// The option group text of one add1..add5 value (the "◈" already replaced), or empty.
QString BuildOptionGroup(QStringView raw);
// A printtext value stays only when it has exactly three ";"-parts; else ";;".
QString NormalisePrintText(QStringView value);
// UnescapeField, skipped for texts that hold no escape form.
QString DecodeText(const QString& value);
// Every "◈" turned into "◇".
QString ReplaceFieldMark(QString value);

// The shared tail of every way of reading a record: decodes, drops "분류없음", stores the row.
// values: the kMenuTags tag values in tag order (see MenuTagNames), "◈" already replaced, printtext
// normalised;
// groups: the finished option group texts.
void StoreMenuRecord(MenuCatalogue& table, std::array<QString, kMenuTags>& values,
                     std::array<QString, kOptionGroups>& groups);
// The tag names in the order of StoreMenuRecord's values.
const std::array<QStringView, kMenuTags>& MenuTagNames();

// Requests the catalogue for the category text. nullopt when no good answer came (no whole 200
// answer holding records): the caller keeps its last good table. The system passes "전체".
std::optional<MenuCatalogue> FetchMenuCatalogue(const Session& session, const QString& category,
                                                const endpoints::Poster& post = {});
// The same with the address and body made beforehand, and the call's options (its cancel flag).
std::optional<MenuCatalogue> FetchMenuCatalogueAt(const QString& url, const QString& body,
                                                  const endpoints::Poster& post = {}, const CallOptions& options = {});
// FetchMenuCatalogue into menuCatalogue(), which a failed load leaves as it was.
bool LoadMenuCatalogue(const Session& session, const QString& category);

}  // namespace sumbrel
