#pragma once
// The shop's menu catalogue, read once from the web service's answer into typed records: what the
// rules read as numbers, money and option groups; every other tag's value carried as it came.
#include "catalogue/menu_tags.h"
#include "catalogue/money.h"
#include "server/endpoints.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace sumbrel {

inline constexpr int kOptionGroups = 5;
// The most records a catalogue answer is read for; a shop's menu has a few hundred.
inline constexpr qsizetype kMaxMenuRecords = 5000;

struct MenuOption {
    QString name;  // decoded
    order::Money price;
    bool operator==(const MenuOption&) const = default;
};

// An option group as the dialog offers it: the options without a name left out.
struct OptionGroup {
    QString name;  // "field": the heading's name
    QString minimumText;  // "mincount" as it came: the heading shows it
    int minimum = 0;  // read leniently, as a number
    bool singleChoice = false;  // the minimum is exactly "1": one option chosen, radio style
    QList<MenuOption> options;

    // The check boxes to tick: the minimum, capped at the number of options, since a group asking
    // for more than it offers could never be confirmed.
    int required() const;
    bool minimumCapped() const;
    bool operator==(const OptionGroup&) const = default;
};

// One of a record's add1..add5 values.
struct OptionGroupSlot {
    bool given = false;  // the answer holds a group here (a "yn" and at least one "subtitle")
    QString noOption;  // "nooption", carried
    // What the dialog offers: nullopt when the group or all of its options lack a name.
    std::optional<OptionGroup> offered;
    // Each option or group left out for a missing name ("add2: option 1 of Size without a name, skipped").
    QStringList notes;
    bool operator==(const OptionGroupSlot&) const = default;
};

// The values of the tags that no rule reads, as they came, in one block of text.
class CarriedValues {
public:
    // The tags in kMenuTagList order, the typed ones left out.
    static constexpr int kCount = kMenuTags - 6 - kOptionGroups;
    QStringView at(int i) const;
    void assign(const std::array<QStringView, kCount>& values);
    bool operator==(const CarriedValues&) const = default;

private:
    QString m_text;
    std::array<quint32, kCount> m_ends{};
};

struct MenuRecord {
    QString num;  // the key, and the picture's file name
    QString title;  // decoded
    QString priceText;  // as it came
    std::optional<order::Money> price;  // nullopt: not a plain whole number, the item is not offered
    QString category;  // decoded
    QString composition;  // infotext1, decoded
    QString description;  // infotext2, decoded
    std::array<OptionGroupSlot, kOptionGroups> groups;
    CarriedValues carried;

    // The value of any tag as the record holds it: the typed ones as text again (num, title, price,
    // category, infotext1, infotext2; empty for add1..add5).
    QString value(std::string_view tag) const;
    int optionGroupCount() const;  // the groups given
    bool isEmpty() const { return num.isEmpty() && title.isEmpty() && priceText.isEmpty() && category.isEmpty(); }
    bool operator==(const MenuRecord&) const = default;
};

class MenuCatalogue {
public:
    // Row slots, the empty ones at the end included.
    qsizetype rowCount() const { return qsizetype(m_rows.size()); }
    // Rows filled from records (0 .. takenCount()-1); the rest are empty slots.
    qsizetype takenCount() const { return m_taken; }
    const MenuRecord& row(qsizetype r) const { return m_rows[size_t(r)]; }

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

    // What the table was read from: a key of the answer's text (empty for a table made otherwise).
    const QByteArray& answerKey() const { return m_answerKey; }
    // The reading's trace when the answer held more records than are read.
    void traceCut() const;

private:
    friend MenuCatalogue ParseMenuAnswer(QStringView answer);
    friend std::shared_ptr<const MenuCatalogue> FetchMenuCatalogueAgain(const Session&, const QString&,
                                                                        std::shared_ptr<const MenuCatalogue>,
                                                                        const endpoints::Poster&);

    QByteArray m_answerKey;
    bool m_cut = false;
    std::vector<MenuRecord> m_rows;
    qsizetype m_taken = 0;
    QHash<QString, qsizetype> m_index;
};

// Cuts the catalogue answer into the table. A tag missing from a record gives empty text.
MenuCatalogue ParseMenuAnswer(QStringView answer);

// A group put together option by option, by every way of reading a catalogue.
class OptionGroupBuilder {
public:
    // slot 0..4 (add1..add5); the values as they came, trimmed.
    OptionGroupBuilder(int slot, QStringView noOption, QStringView field, QStringView minimum);
    // The next option: its decoded name and its price text.
    void add(QString name, QStringView price);
    OptionGroupSlot finish();

private:
    QString where() const;

    int m_slotIndex;
    OptionGroupSlot m_slot;
    OptionGroup m_group;
    int m_ordinal = 0;
};

// One add1..add5 value (slot 0..4) read into its group.
OptionGroupSlot ReadOptionGroupValue(QStringView raw, int slot);
// A printtext value stays only when it has exactly three ";"-parts; else ";;".
QString NormalisePrintText(QStringView value);
// UnescapeField, skipped for texts that hold no escape form.
QString DecodeText(const QString& value);
// Every "◈" turned into "◇".
QString ReplaceFieldMark(QString value);

// The shared tail of every way of reading a record: types, decodes, drops "분류없음", stores the row.
// values: the kMenuTags tag values in tag order (see MenuTagNames), "◈" already replaced, printtext
// normalised; add1..add5 are taken from groups.
void StoreMenuRecord(MenuCatalogue& table, const std::array<QStringView, kMenuTags>& values,
                     std::array<OptionGroupSlot, kOptionGroups>& groups);
// The same with texts of their own, which the record takes over.
void StoreMenuRecord(MenuCatalogue& table, std::array<QString, kMenuTags>& values,
                     std::array<OptionGroupSlot, kOptionGroups>& groups);
// The tag names in the order of StoreMenuRecord's values.
const std::array<QStringView, kMenuTags>& MenuTagNames();

// Requests the catalogue for the category text. nullopt when no good answer came (no whole 200
// answer holding records): the caller keeps its last good table. The system passes "전체".
std::optional<MenuCatalogue> FetchMenuCatalogue(const Session& session, const QString& category,
                                                const endpoints::Poster& post = {});
// The same as a shared table: `last` itself when the answer is the text it was read from.
std::shared_ptr<const MenuCatalogue> FetchMenuCatalogueAgain(const Session& session, const QString& category,
                                                             std::shared_ptr<const MenuCatalogue> last,
                                                             const endpoints::Poster& post = {});
// The same with the address and body made beforehand, and the call's options (its cancel flag).
std::optional<MenuCatalogue> FetchMenuCatalogueAt(const QString& url, const QString& body,
                                                  const endpoints::Poster& post = {}, const CallOptions& options = {});
}  // namespace sumbrel
