#include "catalogue/menu_catalogue.h"

#include "server/endpoints.h"
#include "server/fields.h"
#include <algorithm>
#include "startup/parse.h"
#include "startup/trace_log.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace sumbrel {

namespace {

constexpr QChar kMark = QChar(0x25C8);  // ◈
constexpr QChar kMarkSafe = QChar(0x25C7);  // ◇

constexpr int kTagCount = kMenuTags;
constexpr int kTagNum = MenuTagIndex("num");
constexpr int kTagTitle = MenuTagIndex("title");
constexpr int kTagPrice = MenuTagIndex("price");
constexpr int kTagCategory = MenuTagIndex("category");
constexpr int kTagInfotext1 = MenuTagIndex("infotext1");
constexpr int kTagInfotext2 = MenuTagIndex("infotext2");
constexpr int kTagAdd1 = MenuTagIndex("add1");
constexpr int kTagAdd5 = MenuTagIndex("add5");
constexpr int kTagPrinttext = MenuTagIndex("printtext");
static_assert(kTagAdd5 - kTagAdd1 == kOptionGroups - 1, "add1..add5 stand together");

constexpr bool IsTyped(int t)
{
    return t == kTagNum || t == kTagTitle || t == kTagPrice || t == kTagCategory || t == kTagInfotext1
        || t == kTagInfotext2 || (t >= kTagAdd1 && t <= kTagAdd5);
}
// Where each tag's value stands among the carried ones, -1 for a typed tag.
constexpr std::array<int, kTagCount> kCarriedSlot = [] {
    std::array<int, kTagCount> slots{};
    int next = 0;
    for (int t = 0; t < kTagCount; ++t)
        slots[size_t(t)] = IsTyped(t) ? -1 : next++;
    return slots;
}();
static_assert(kCarriedSlot[kTagCount - 1] == CarriedValues::kCount - 1 || IsTyped(kTagCount - 1));

constexpr qsizetype longestTag()
{
    qsizetype n = 0;
    for (const MenuTag& t : kMenuTagList)
        n = std::max(n, qsizetype(t.name.size()));
    return n;
}
constexpr qsizetype kMaxTagLength = longestTag();  // "poscategorynumber"

// The tag names as UTF-16 views, for the searches in the answer.
const std::array<QStringView, kTagCount>& tagNames()
{
    static const std::array<QString, kTagCount> texts = [] {
        std::array<QString, kTagCount> t;
        for (int i = 0; i < kTagCount; ++i)
            t[size_t(i)] = QString::fromLatin1(kMenuTagList[size_t(i)].name.data(),
                                               qsizetype(kMenuTagList[size_t(i)].name.size()));
        return t;
    }();
    static const std::array<QStringView, kTagCount> views = [] {
        std::array<QStringView, kTagCount> v;
        for (int i = 0; i < kTagCount; ++i)
            v[size_t(i)] = texts[size_t(i)];
        return v;
    }();
    return views;
}

inline bool sameChars(const QChar* a, QStringView b)
{
    const char16_t* p = b.utf16();
    for (qsizetype i = 0; i < b.size(); ++i)
        if (a[i].unicode() != p[i])
            return false;
    return true;
}

// Tags grouped by length, so the name ending at a "[" is matched with a few comparisons; with each
// tag the shorter tags that end it ("num" ends "SOregdate1num"), which open at the same "[".
struct TagTable {
    std::array<std::vector<int>, kMaxTagLength + 1> byLength;
    std::array<std::vector<int>, kTagCount> endingTags;
    std::array<QStringView, kTagCount> names = tagNames();
    TagTable()
    {
        for (int t = 0; t < kTagCount; ++t)
            byLength[size_t(names[size_t(t)].size())].push_back(t);
        for (int t = 0; t < kTagCount; ++t)
            for (int u = 0; u < kTagCount; ++u)
                if (u != t && names[size_t(t)].endsWith(names[size_t(u)]))
                    endingTags[size_t(t)].push_back(u);
    }
    // The longest tag that the chars before `end` end with, or -1.
    int longestEndingAt(const QChar* end, qsizetype run) const
    {
        for (qsizetype len = std::min(run, kMaxTagLength); len > 0; --len)
            for (int t : byLength[size_t(len)])
                if (sameChars(end - len, names[size_t(t)]))
                    return t;
        return -1;
    }
};
const TagTable& tagTable()
{
    static const TagTable table;
    return table;
}

// Every escape form holds "!" or "플"; most texts hold neither and need no decoding passes.
inline bool needsDecoding(QStringView text)
{
    return text.contains(u'!') || text.contains(u'플');
}

inline bool isNameChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9');
}

// First index from `i` on whose char is a or b, or n. The searches inside a record are short and
// many: an inline scan, eight chars at a time where SSE2 is there, beats a library call per search.
inline qsizetype scanFor(const char16_t* p, qsizetype i, qsizetype n, char16_t a, char16_t b)
{
#if defined(__SSE2__)
    const __m128i va = _mm_set1_epi16(short(a));
    const __m128i vb = _mm_set1_epi16(short(b));
    for (; i + 8 <= n; i += 8) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const int m = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi16(v, va), _mm_cmpeq_epi16(v, vb)));
        if (m)
            return i + (__builtin_ctz(unsigned(m)) >> 1);
    }
#endif
    for (; i < n; ++i)
        if (p[i] == a || p[i] == b)
            return i;
    return n;
}

inline qsizetype findChar(QStringView text, char16_t c, qsizetype from)
{
    const qsizetype at = scanFor(text.utf16(), from, text.size(), c, c);
    return at < text.size() ? at : -1;
}

// First occurrence of needle in text from `from` on, or -1.
qsizetype find(QStringView text, QStringView needle, qsizetype from = 0)
{
    const char16_t first = needle.utf16()[0];
    const QStringView rest = needle.mid(1);
    const qsizetype last = text.size() - needle.size();
    const char16_t* p = text.utf16();
    for (qsizetype i = from; i <= last; ++i) {
        i = scanFor(p, i, last + 1, first, first);
        if (i > last)
            return -1;
        if (sameChars(text.data() + i + 1, rest))
            return i;
    }
    return -1;
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
        if (at + 1 + name.size() <= size && sameChars(text.data() + at + 1, name))
            return at;
        from = at + 1;
    }
}

// The text after the first open, up to the first close after it (or the end), trimmed.
QStringView inner(QStringView text, QStringView open, QStringView close)
{
    const qsizetype at = find(text, open);
    if (at < 0)
        return {};
    const qsizetype start = at + open.size();
    const qsizetype end = find(text, close, start);
    return (end < 0 ? text.mid(start) : text.mid(start, end - start)).trimmed();
}

QStringView valueAt(QStringView rec, qsizetype start, int tag)
{
    const qsizetype end = findClosing(rec, start, tagNames()[size_t(tag)]);
    return end < 0 ? rec.mid(start) : rec.mid(start, end - start);
}

constexpr QStringView kOpen = u"<menubrr>";
constexpr QStringView kClose = u"</menubrr>";

// One record, starting after its "<menubrr>" at `from`: a single pass finds where the record ends
// (its first "</menubrr>", else the next "<menubrr>" or the end of the answer) and, on the way, the
// first opening of every tag (also one that ends another name, as "num[" inside "SOregdate1num[").
// Then each value is cut up to its closing tag. Returns the position of the next "<menubrr>" or -1.
qsizetype ReadRecord(QStringView answer, qsizetype from, MenuCatalogue& table)
{
    const TagTable& tags = tagTable();
    std::array<qsizetype, kTagCount> start;
    start.fill(-1);
    int missing = kTagCount;
    auto found = [&](int t, qsizetype at) {
        if (start[size_t(t)] < 0) {
            start[size_t(t)] = at;
            --missing;
        }
    };
    const QChar* data = answer.data();
    const char16_t* p = answer.utf16();
    const qsizetype n = answer.size();
    qsizetype end = n;
    qsizetype next = -1;
    for (qsizetype i = from; (i = scanFor(p, i, n, u'[', u'<')) < n; ++i) {
        if (p[i] == u'[') {
            if (missing == 0)
                continue;
            qsizetype run = 0;
            while (run < kMaxTagLength && i - run > from && isNameChar(data[i - run - 1]))
                ++run;
            const int t = tags.longestEndingAt(data + i, run);
            if (t < 0)
                continue;
            found(t, i + 1 - from);
            for (int u : tags.endingTags[size_t(t)])
                found(u, i + 1 - from);
        } else {
            if (i + kClose.size() <= n && sameChars(data + i, kClose)) {
                end = i;
                next = find(answer, kOpen, i + kClose.size());
                break;
            }
            if (i + kOpen.size() <= n && sameChars(data + i, kOpen)) {
                end = next = i;
                break;
            }
        }
    }
    const QStringView rec = answer.mid(from, end - from);
    // One look for the mark in the whole record spares a look in each of its values.
    const bool marked = findChar(rec, kMark.unicode(), 0) >= 0;

    // The values stay views into the answer; only a marked record needs texts of its own.
    std::array<QStringView, kTagCount> values;
    std::array<QString, kTagCount> replaced;
    std::array<OptionGroupSlot, kOptionGroups> groups;
    QString printtext;
    for (int t = 0; t < kTagCount; ++t) {
        const qsizetype s = start[size_t(t)];
        if (t >= kTagAdd1 && t <= kTagAdd5) {
            if (s >= 0)
                groups[size_t(t - kTagAdd1)] = ReadOptionGroupValue(valueAt(rec, s, t), t - kTagAdd1);
        } else if (t == kTagPrinttext) {
            // A missing tag stores empty text; printtext then holds its empty form ";;".
            printtext = NormalisePrintText(s < 0 ? QStringView() : valueAt(rec, s, t));
            values[size_t(t)] = printtext;
        } else if (s >= 0) {
            values[size_t(t)] = valueAt(rec, s, t);
            if (marked && values[size_t(t)].contains(kMark)) {
                replaced[size_t(t)] = ReplaceFieldMark(values[size_t(t)].toString());
                values[size_t(t)] = replaced[size_t(t)];
            }
        }
    }
    StoreMenuRecord(table, values, groups);
    return next;
}

}  // namespace

const std::array<QStringView, kMenuTags>& MenuTagNames()
{
    return tagNames();
}

int MenuRecord::optionGroupCount() const
{
    int n = 0;
    for (const OptionGroupSlot& g : groups)
        n += g.given ? 1 : 0;
    return n;
}

QString MenuRecord::value(std::string_view tag) const
{
    const int t = MenuTagIndex(tag);
    if (t < 0 || (t >= kTagAdd1 && t <= kTagAdd5))
        return QString();
    if (kCarriedSlot[size_t(t)] >= 0)
        return carried.at(kCarriedSlot[size_t(t)]).toString();
    if (t == kTagNum)
        return num;
    if (t == kTagTitle)
        return title;
    if (t == kTagPrice)
        return priceText;
    if (t == kTagCategory)
        return category;
    return t == kTagInfotext1 ? composition : description;
}

QStringView CarriedValues::at(int i) const
{
    if (i < 0 || i >= kCount)
        return {};
    const quint32 from = i == 0 ? 0 : m_ends[size_t(i - 1)];
    return QStringView(m_text).mid(from, m_ends[size_t(i)] - from);
}

void CarriedValues::assign(const std::array<QStringView, kCount>& values)
{
    // One block for all: most values are a letter or two, and a text each would cost an allocation each.
    qsizetype size = 0;
    for (QStringView v : values)
        size += v.size();
    m_text.clear();
    m_text.reserve(size);
    for (int i = 0; i < kCount; ++i) {
        m_text += values[size_t(i)];
        m_ends[size_t(i)] = quint32(m_text.size());
    }
}

int OptionGroup::required() const
{
    return std::clamp(minimum, 0, int(options.size()));
}

bool OptionGroup::minimumCapped() const
{
    return !singleChoice && minimum > options.size();
}

const MenuRecord* MenuCatalogue::FindMenu(QStringView num) const
{
    const qsizetype r = FindRow(num);
    return r < 0 ? nullptr : &m_rows[size_t(r)];
}

const MenuRecord* MenuCatalogue::FindMenu(long num) const
{
    return FindMenu(QString::number(num));
}

qsizetype MenuCatalogue::FindRow(QStringView num) const
{
    if (num.isEmpty())
        return -1;
    const auto it = m_index.constFind(num.toString());
    return it == m_index.constEnd() ? -1 : it.value();
}

void MenuCatalogue::clear()
{
    m_answerKey.clear();
    m_cut = false;
    m_rows.clear();
    m_taken = 0;
    m_index.clear();
}

void MenuCatalogue::reserve(qsizetype slots)
{
    m_rows.reserve(size_t(slots));
}

void MenuCatalogue::reset(qsizetype slots)
{
    clear();
    m_rows.resize(size_t(slots));
}

MenuRecord& MenuCatalogue::nextRow()
{
    if (size_t(m_taken) == m_rows.size())
        m_rows.emplace_back();
    return m_rows[size_t(m_taken++)];
}

void MenuCatalogue::finish(qsizetype slots)
{
    m_rows.resize(size_t(std::max(slots, m_taken)));
    m_index.clear();
    m_index.reserve(m_taken);
    // The first row of a number wins, as a search from the top would find it: from the bottom up,
    // each row replaces a later one of its number.
    for (qsizetype r = m_taken - 1; r >= 0; --r)
        if (!m_rows[size_t(r)].num.isEmpty())
            m_index.insert(m_rows[size_t(r)].num, r);
}

QString ReplaceFieldMark(QString value)
{
    if (value.contains(kMark))
        value.replace(kMark, kMarkSafe);
    return value;
}

QString DecodeText(const QString& value)
{
    return needsDecoding(value) ? UnescapeField(value) : value;
}

QString NormalisePrintText(QStringView value)
{
    if (value.count(u';') == 2)
        return ReplaceFieldMark(value.toString());
    return QStringLiteral(";;");
}

namespace {

// Most short values are one of a few letters or digits: one shared text each, no allocation.
QString Shared(QStringView value)
{
    static const std::array<QString, 128> kSingles = [] {
        std::array<QString, 128> singles;
        for (char16_t c = 0; c < 128; ++c)
            singles[c] = QString(QChar(c));
        return singles;
    }();
    if (value.isEmpty())
        return QString();
    if (value.size() == 1 && value[0].unicode() < 128)
        return kSingles[value[0].unicode()];
    return value.toString();
}

}  // namespace

OptionGroupBuilder::OptionGroupBuilder(int slot, QStringView noOption, QStringView field, QStringView minimum)
    : m_slotIndex(slot)
{
    m_slot.given = true;
    m_slot.noOption = Shared(noOption);
    m_group.name = field.toString();
    m_group.minimumText = Shared(minimum);
    m_group.minimum = ParseLong(m_group.minimumText);
    m_group.singleChoice = m_group.minimumText == u"1";
}

void OptionGroupBuilder::add(QString name, QStringView price)
{
    ++m_ordinal;
    if (!name.isEmpty()) {
        m_group.options.append({std::move(name), order::Money::Won(ParseAmount(price.toString()))});
        return;
    }
    if (!m_group.name.isEmpty())
        m_slot.notes << where() + QStringLiteral(": option %1 of ").arg(m_ordinal) + m_group.name
                            + QStringLiteral(" without a name, skipped");
}

QString OptionGroupBuilder::where() const
{
    return QStringLiteral("add") + QString::number(m_slotIndex + 1);
}

OptionGroupSlot OptionGroupBuilder::finish()
{
    if (m_group.name.isEmpty())
        m_slot.notes = {where() + QStringLiteral(": option group without a name, skipped")};
    else if (m_group.options.isEmpty())
        m_slot.notes << where() + QStringLiteral(": no named option in ") + m_group.name + QStringLiteral(", skipped");
    else
        m_slot.offered = std::move(m_group);
    return std::move(m_slot);
}

OptionGroupSlot ReadOptionGroupValue(QStringView value, int slot)
{
    QString unmarked;
    QStringView raw = value;
    if (raw.contains(kMark)) {
        unmarked = ReplaceFieldMark(raw.toString());
        raw = unmarked;
    }
    const QStringView yn = inner(raw, u"<yn>", u"</yn>");
    if (yn.isEmpty())
        return {};
    static constexpr QStringView kSubtitle = u"<subtitle>";
    static constexpr QStringView kSubtitleEnd = u"</subtitle>";
    static constexpr QStringView kSubprice = u"<subprice>";
    static constexpr QStringView kSubpriceEnd = u"</subprice>";
    const qsizetype first = find(raw, kSubtitle);
    if (first < 0)
        return {};
    // The options run up to the last "</subprice>"; the last price keeps what follows its "<subprice>".
    const qsizetype last = raw.lastIndexOf(kSubpriceEnd);
    const QStringView options = last > first ? raw.mid(first, last - first) : raw.mid(first);
    OptionGroupBuilder group(slot, inner(raw, u"<nooption>", u"</nooption>"), inner(raw, u"<field>", u"</field>"),
                             inner(raw, u"<mincount>", u"</mincount>"));
    qsizetype at = 0;  // options begins with "<subtitle>"
    while (at >= 0) {
        const qsizetype s = at + kSubtitle.size();
        const qsizetype next = find(options, kSubtitle, s);
        const QStringView piece = next < 0 ? options.mid(s) : options.mid(s, next - s);
        at = next;
        const qsizetype nameEnd = find(piece, kSubtitleEnd);
        const QStringView name = nameEnd < 0 ? piece : piece.left(nameEnd);
        QStringView price;
        const qsizetype p = find(piece, kSubprice);
        if (p >= 0) {
            price = piece.mid(p + kSubprice.size());
            const qsizetype pe = find(price, kSubpriceEnd);
            if (pe >= 0)
                price = price.left(pe);
        }
        group.add(needsDecoding(name) ? UnescapeField(name.toString()) : name.toString(), price);
    }
    return group.finish();
}

namespace {

// The typed values of a record, from views (copied) or from texts of their own (moved).
QString Taken(QStringView value)
{
    return value.toString();
}
QString Taken(QString& value)
{
    return std::move(value);
}

template <typename Values>
void StoreTyped(MenuCatalogue& table, Values& values, std::array<OptionGroupSlot, kOptionGroups>& groups)
{
    QString category = DecodeText(Taken(values[kTagCategory]));
    if (category == u"분류없음")
        return;
    MenuRecord& row = table.nextRow();
    row.num = Taken(values[kTagNum]);
    row.title = DecodeText(Taken(values[kTagTitle]));
    row.priceText = Taken(values[kTagPrice]);
    if (const std::optional<int64_t> won = ReadPrice(row.priceText))
        row.price = order::Money::Won(*won);
    else
        row.price.reset();
    row.category = std::move(category);
    row.composition = DecodeText(Taken(values[kTagInfotext1]));
    row.description = DecodeText(Taken(values[kTagInfotext2]));
    row.groups = std::move(groups);
    std::array<QStringView, CarriedValues::kCount> carried;
    for (int t = 0; t < kTagCount; ++t)
        if (kCarriedSlot[size_t(t)] >= 0)
            carried[size_t(kCarriedSlot[size_t(t)])] = values[size_t(t)];
    row.carried.assign(carried);
}

}  // namespace

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

void MenuCatalogue::traceCut() const
{
    if (m_cut)
        WriteLog(QStringLiteral("Read_메뉴() ... 메뉴가 ") + QString::number(kMaxMenuRecords)
                 + QStringLiteral("개를 넘어 나머지는 읽지 않음"));
}

std::optional<MenuCatalogue> FetchMenuCatalogue(const Session& session, const QString& category,
                                                const endpoints::Poster& post)
{
    return FetchMenuCatalogueAt(endpoints::Url(session, endpoints::kCatalogue), endpoints::CatalogueBody(session, category),
                                post, endpoints::SessionCall(session));
}

namespace {

// The answer's text when it holds a menu; else nullopt, traced: an error page, a cut answer or none
// at all is no menu, and the last good one stays.
std::optional<QString> MenuAnswerText(const QString& url, const QString& body, const endpoints::Poster& post,
                                      const CallOptions& options)
{
    PostResult answer = endpoints::PostLogged(QStringLiteral("Read_메뉴"), url, body,
                                              QString::fromUtf16(endpoints::kChannelCatalogue), post, options);
    if (!answer.good() || !answer.text.contains(kOpen)) {
        WriteLog(QStringLiteral("Read_메뉴() ... 메뉴 응답이 없거나 올바르지 않아 이전 메뉴를 유지함 (")
                 + QString::number(answer.status) + u')');
        return std::nullopt;
    }
    return std::move(answer.text);
}

}  // namespace

std::optional<MenuCatalogue> FetchMenuCatalogueAt(const QString& url, const QString& body,
                                                  const endpoints::Poster& post, const CallOptions& options)
{
    const std::optional<QString> text = MenuAnswerText(url, body, post, options);
    if (!text)
        return std::nullopt;
    return ParseMenuAnswer(*text);
}

std::shared_ptr<const MenuCatalogue> FetchMenuCatalogueAgain(const Session& session, const QString& category,
                                                             std::shared_ptr<const MenuCatalogue> last,
                                                             const endpoints::Poster& post)
{
    const std::optional<QString> text = MenuAnswerText(endpoints::Url(session, endpoints::kCatalogue),
                                                       endpoints::CatalogueBody(session, category), post,
                                                       endpoints::SessionCall(session));
    if (!text)
        return nullptr;
    // The same text gives the same table; the reading's own trace is written again.
    QByteArray key = endpoints::AnswerKey(*text);
    if (last && last->answerKey() == key) {
        last->traceCut();
        return last;
    }
    MenuCatalogue table = ParseMenuAnswer(*text);
    table.m_answerKey = std::move(key);
    return std::make_shared<const MenuCatalogue>(std::move(table));
}

}  // namespace sumbrel
