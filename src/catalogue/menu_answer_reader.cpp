// Reading the catalogue answer's records ("<menubrr>" .. "</menubrr>", tag[value]tag) into the table.
#include "catalogue/menu_reading.h"

#include "startup/parse.h"

namespace sumbrel {

using namespace reading;

namespace {

constexpr qsizetype longestTag()
{
    qsizetype n = 0;
    for (const MenuTag& t : kMenuTagList)
        n = std::max(n, qsizetype(t.name.size()));
    return n;
}
constexpr qsizetype kMaxTagLength = longestTag();  // "poscategorynumber"

// The tag names as UTF-16 views, for the searches in the answer.
const std::array<QStringView, kMenuTags>& tagNames()
{
    static const std::array<QString, kMenuTags> texts = [] {
        std::array<QString, kMenuTags> t;
        for (int i = 0; i < kMenuTags; ++i)
            t[size_t(i)] = QString::fromLatin1(kMenuTagList[size_t(i)].name.data(),
                                               qsizetype(kMenuTagList[size_t(i)].name.size()));
        return t;
    }();
    static const std::array<QStringView, kMenuTags> views = [] {
        std::array<QStringView, kMenuTags> v;
        for (int i = 0; i < kMenuTags; ++i)
            v[size_t(i)] = texts[size_t(i)];
        return v;
    }();
    return views;
}

inline bool isNameChar(char16_t u)
{
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9');
}

// Tags grouped by length, so the name ending at a "[" is matched with a few comparisons; with each
// tag the shorter tags that end it ("num" ends "SOregdate1num"), which open at the same "[".
struct TagTable {
    std::array<std::vector<int>, kMaxTagLength + 1> byLength;
    std::array<std::vector<int>, kMenuTags> endingTags;
    std::array<QStringView, kMenuTags> names = tagNames();
    TagTable()
    {
        for (int t = 0; t < kMenuTags; ++t)
            byLength[size_t(names[size_t(t)].size())].push_back(t);
        for (int t = 0; t < kMenuTags; ++t)
            for (int u = 0; u < kMenuTags; ++u)
                if (u != t && names[size_t(t)].endsWith(names[size_t(u)]))
                    endingTags[size_t(t)].push_back(u);
    }
    // The longest tag that the chars before `end` end with, or -1.
    int longestEndingAt(const char16_t* end, qsizetype run) const
    {
        for (qsizetype len = std::min(run, kMaxTagLength); len > 0; --len)
            for (int t : byLength[size_t(len)])
                if (sameChars(end - len, names[size_t(t)]))
                    return t;
        return -1;
    }
    // The longest tag ending at `at` (a "["), the chars from `from` on looked at. The service writes
    // the tags in list order, so `expected` is tried first: it is the longest when no name char
    // stands before it.
    int tagAt(const char16_t* p, qsizetype from, qsizetype at, int expected) const
    {
        if (expected < kMenuTags) {
            const QStringView name = names[size_t(expected)];
            const qsizetype begin = at - name.size();
            if (begin >= from && sameChars(p + begin, name) && (begin == from || !isNameChar(p[begin - 1])))
                return expected;
        }
        qsizetype run = 0;
        while (run < kMaxTagLength && at - run > from && isNameChar(p[at - run - 1]))
            ++run;
        return longestEndingAt(p + at, run);
    }
};
const TagTable& tagTable()
{
    static const TagTable table;
    return table;
}

// Position of "]" + name in text from `from` on, or -1. Looks for the "]" and compares the name
// after it, cheaper than a general substring search for these short closings.
qsizetype findClosing(QStringView text, qsizetype from, QStringView name)
{
    const qsizetype size = text.size();
    while (true) {
        const qsizetype at = findChar(text, u']', from);
        if (at < 0)
            return -1;
        if (at + 1 + name.size() <= size && sameChars(text.utf16() + at + 1, name))
            return at;
        from = at + 1;
    }
}

QStringView valueAt(QStringView rec, qsizetype start, QStringView name)
{
    const qsizetype end = findClosing(rec, start, name);
    return end < 0 ? rec.mid(start) : rec.mid(start, end - start);
}

constexpr QStringView kOpen = u"<menubrr>";
constexpr QStringView kClose = u"</menubrr>";

// One record, starting after its "<menubrr>" at `from`: a single pass finds where the record ends
// (its first "</menubrr>", else the next "<menubrr>" or the end of the answer), whether it holds a
// "◈" and, on the way, the first opening of every tag (also one that ends another name, as "num["
// inside "SOregdate1num["). Then each value is cut up to its closing tag. Returns the position of
// the next "<menubrr>" or -1.
qsizetype ReadRecord(QStringView answer, qsizetype from, MenuCatalogue& table)
{
    const TagTable& tags = tagTable();
    std::array<qsizetype, kMenuTags> start;
    start.fill(-1);
    int missing = kMenuTags;
    auto found = [&](int t, qsizetype at) {
        if (start[size_t(t)] < 0) {
            start[size_t(t)] = at;
            --missing;
        }
    };
    const char16_t* p = answer.utf16();
    const qsizetype n = answer.size();
    qsizetype end = n;
    qsizetype next = -1;
    // The first and last "◈": a value outside them needs no look for one.
    qsizetype firstMark = -1;
    qsizetype lastMark = -1;
    int expected = 0;
    for (qsizetype i = from; (i = scanFor(p, i, n, u'[', u'<', kMark)) < n; ++i) {
        if (p[i] == u'[') {
            if (missing == 0)
                continue;
            const int t = tags.tagAt(p, from, i, expected);
            if (t < 0)
                continue;
            expected = t + 1;
            found(t, i + 1 - from);
            for (int u : tags.endingTags[size_t(t)])
                found(u, i + 1 - from);
        } else if (p[i] == kMark) {
            if (firstMark < 0)
                firstMark = i;
            lastMark = i;
        } else {
            if (i + kClose.size() <= n && sameChars(p + i, kClose)) {
                end = i;
                next = find(answer, kOpen, i + kClose.size());
                break;
            }
            if (i + kOpen.size() <= n && sameChars(p + i, kOpen)) {
                end = next = i;
                break;
            }
        }
    }
    const QStringView rec = answer.mid(from, end - from);
    const bool marked = firstMark >= 0;
    auto mayHoldMark = [&](QStringView v) {
        const qsizetype at = v.utf16() - p;
        return marked && at <= lastMark && at + v.size() > firstMark;
    };

    // The values stay views into the answer; only a marked value needs a text of its own.
    std::array<QStringView, kMenuTags> values;
    std::array<QString, kMenuTags> replaced;
    std::array<OptionGroupSlot, kOptionGroups> groups;
    QString printtext;
    for (int t = 0; t < kMenuTags; ++t) {
        const qsizetype s = start[size_t(t)];
        const QStringView name = tags.names[size_t(t)];
        if (t >= kTagAdd1 && t <= kTagAdd5) {
            if (s >= 0) {
                const QStringView raw = valueAt(rec, s, name);
                groups[size_t(t - kTagAdd1)] = ReadOptionGroup(raw, t - kTagAdd1, mayHoldMark(raw));
            }
        } else if (t == kTagPrinttext) {
            // A missing tag stores empty text; printtext then holds its empty form ";;".
            printtext = NormalisePrintText(s < 0 ? QStringView() : valueAt(rec, s, name));
            values[size_t(t)] = printtext;
        } else if (s >= 0) {
            values[size_t(t)] = valueAt(rec, s, name);
            if (mayHoldMark(values[size_t(t)]) && findChar(values[size_t(t)], kMark) >= 0) {
                replaced[size_t(t)] = ReplaceFieldMark(values[size_t(t)].toString());
                values[size_t(t)] = replaced[size_t(t)];
            }
        }
    }
    StoreMenuRecord(table, values, groups);
    return next;
}

// The typed values of a record, from views (copied) or from texts of their own (moved).
QString Taken(QStringView value)
{
    return value.toString();
}
QString Taken(QString& value)
{
    return std::move(value);
}
QString Decoded(QStringView value)
{
    return DecodeView(value);
}
QString Decoded(QString& value)
{
    return DecodeText(std::move(value));
}

template <typename Values>
void StoreTyped(MenuCatalogue& table, Values& values, std::array<OptionGroupSlot, kOptionGroups>& groups)
{
    QString category = Decoded(values[kTagCategory]);
    if (category == u"분류없음")
        return;
    MenuRecord& row = table.nextRow();
    row.num = Taken(values[kTagNum]);
    row.title = Decoded(values[kTagTitle]);
    row.priceText = Taken(values[kTagPrice]);
    if (const std::optional<int64_t> won = ReadPrice(row.priceText))
        row.price = order::Money::Won(*won);
    else
        row.price.reset();
    row.category = std::move(category);
    row.composition = Decoded(values[kTagInfotext1]);
    row.description = Decoded(values[kTagInfotext2]);
    row.groups = std::move(groups);
    std::array<QStringView, CarriedValues::kCount> carried;
    for (int t = 0; t < kMenuTags; ++t)
        if (kCarriedSlot[size_t(t)] >= 0)
            carried[size_t(kCarriedSlot[size_t(t)])] = values[size_t(t)];
    row.carried.assign(carried);
}

}  // namespace

const std::array<QStringView, kMenuTags>& MenuTagNames()
{
    return tagNames();
}

void StoreMenuRecord(MenuCatalogue& table, const std::array<QStringView, kMenuTags>& values,
                     std::array<OptionGroupSlot, kOptionGroups>& groups)
{
    StoreTyped(table, values, groups);
}

void StoreMenuRecord(MenuCatalogue& table, std::array<QString, kMenuTags>& values,
                     std::array<OptionGroupSlot, kOptionGroups>& groups)
{
    StoreTyped(table, values, groups);
}

MenuCatalogue ParseMenuAnswer(QStringView answer)
{
    MenuCatalogue table;
    // A guess from the size (a full record is over a thousand chars), to spare most regrowing.
    table.reserve(answer.size() / 1024 + 1);
    qsizetype slots = 0;
    qsizetype at = find(answer, kOpen);
    for (; at >= 0 && slots < kMaxMenuRecords; ++slots)
        at = ReadRecord(answer, at + kOpen.size(), table);
    // An answer of empty records must not cost a thousand times its size.
    table.m_cut = at >= 0;
    table.traceCut();
    // One slot per record; the dropped ones leave theirs empty at the end.
    table.finish(slots);
    return table;
}

}  // namespace sumbrel
