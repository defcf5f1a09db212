#include "menu_catalogue.h"

#include "endpoints.h"
#include "fields.h"
#include "global_state.h"
#include "trace_log.h"

namespace sumbrel {

namespace {

constexpr QChar kMark = QChar(0x25C8);      // ◈
constexpr QChar kMarkSafe = QChar(0x25C7);  // ◇

enum Tag : int {
    kTagNum, kTagTitle, kTagPrice, kTagCategory, kTagType, kTagMenumin, kTagDiscountt, kTagSaving, kTagRound,
    kTagAdd1, kTagAdd2, kTagAdd3, kTagAdd4, kTagAdd5, kTagMaxYN, kTagMaxCount, kTagSoldoutYN, kTagSOregdate1,
    kTagSOregdate2, kTagInfotext1, kTagInfotext2, kTagSoldoutTO, kTagSoldoutZZim, kTagSoldoutWait,
    kTagSoldoutDelivery, kTagSOregdate1num, kTagSOregdate1num2, kTagSOregdate2num, kTagSOregdate2num2,
    kTagPrinttext, kTagHallcheck, kTagTOMenuYN, kTagZZimMenuYN, kTagWaitMenuYN, kTagDeliveryMenuYN, kTagTaxcheck,
    kTagPoscategorynumber, kTagPositemnumber, kTagQRMenuYN, kTagSoldoutQR,
    kTagCount
};
static_assert(kTagCount == kMenuTags);

constexpr std::array<QStringView, kTagCount> kTagNames = {
    u"num", u"title", u"price", u"category", u"type", u"menumin", u"discountt", u"saving", u"round",
    u"add1", u"add2", u"add3", u"add4", u"add5", u"maxYN", u"maxCount", u"soldoutYN", u"SOregdate1",
    u"SOregdate2", u"infotext1", u"infotext2", u"soldoutTO", u"soldoutZZim", u"soldoutWait",
    u"soldoutDelivery", u"SOregdate1num", u"SOregdate1num2", u"SOregdate2num", u"SOregdate2num2",
    u"printtext", u"hallcheck", u"TOMenuYN", u"ZZimMenuYN", u"WaitMenuYN", u"DeliveryMenuYN", u"taxcheck",
    u"poscategorynumber", u"positemnumber", u"QRMenuYN", u"soldoutQR"};

// The column each tag's value goes to (three tags fill a second column too, see StoreMenuRecord).
constexpr std::array<int, kTagCount> kTagColumn = {
    kColNum, kColTitle, kColPrice, kColCategory, kColType, kColMenumin, kColDiscountt, kColSaving, kColRound,
    kColAdd1, kColAdd2, kColAdd3, kColAdd4, kColAdd5, kColMaxYN, kColMaxCount, kColSoldoutYN, kColSOregdate1,
    kColSOregdate2, kColInfotext1, kColInfotext2, kColSoldoutTO, kColSoldoutZZim, kColSoldoutWait,
    kColSoldoutDelivery, kColSOregdate1num, kColSOregdate1num2, kColSOregdate2num, kColSOregdate2num2,
    kColPrinttext, kColHallcheck, kColTOMenuYN, kColZZimMenuYN, kColWaitMenuYN, kColDeliveryMenuYN, kColTaxcheck,
    kColPoscategorynumber, kColPositemnumber, kColQRMenuYN, kColSoldoutQR};

constexpr qsizetype kMaxTagLength = 17;  // "poscategorynumber"

// Tags grouped by length, so the name ending at a "[" is matched with a few comparisons.
struct TagsByLength {
    std::array<std::vector<int>, kMaxTagLength + 1> ids;
    std::array<QString, kTagCount> closing;  // "]" + name
    TagsByLength()
    {
        for (int t = 0; t < kTagCount; ++t) {
            ids[size_t(kTagNames[size_t(t)].size())].push_back(t);
            closing[size_t(t)] = u']' + kTagNames[size_t(t)].toString();
        }
    }
};
const TagsByLength& tagTable()
{
    static const TagsByLength table;
    return table;
}

inline bool isNameChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9');
}

// The text after the first open, up to the first close after it (or the end), trimmed.
QStringView inner(QStringView text, QStringView open, QStringView close)
{
    const qsizetype at = text.indexOf(open);
    if (at < 0)
        return {};
    const qsizetype start = at + open.size();
    const qsizetype end = text.indexOf(close, start);
    return (end < 0 ? text.mid(start) : text.mid(start, end - start)).trimmed();
}

// One record: a single pass over its "[" finds the first opening of every tag (also one that ends
// another name, as "num[" inside "SOregdate1num["), then each value is cut up to its closing tag.
void ReadRecord(QStringView rec, MenuCatalogue& table)
{
    const TagsByLength& tags = tagTable();
    std::array<qsizetype, kTagCount> start;
    start.fill(-1);
    int missing = kTagCount;
    qsizetype pos = 0;
    while (missing > 0) {
        const qsizetype bracket = rec.indexOf(u'[', pos);
        if (bracket < 0)
            break;
        pos = bracket + 1;
        qsizetype run = 0;
        while (run < kMaxTagLength && bracket - run > 0 && isNameChar(rec[bracket - run - 1]))
            ++run;
        for (qsizetype len = 1; len <= run; ++len) {
            const auto& candidates = tags.ids[size_t(len)];
            if (candidates.empty())
                continue;
            const QStringView name = rec.mid(bracket - len, len);
            for (int t : candidates) {
                if (start[size_t(t)] < 0 && name == kTagNames[size_t(t)]) {
                    start[size_t(t)] = bracket + 1;
                    --missing;
                }
            }
        }
    }

    std::array<QString, kTagCount> values;
    for (int t = 0; t < kTagCount; ++t) {
        const qsizetype s = start[size_t(t)];
        if (s < 0) {
            // A missing tag stores empty text; printtext then holds its empty form ";;".
            if (t == kTagPrinttext)
                values[size_t(t)] = NormalisePrintText({});
            continue;
        }
        const qsizetype end = rec.indexOf(tags.closing[size_t(t)], s);
        const QStringView value = end < 0 ? rec.mid(s) : rec.mid(s, end - s);
        if (t == kTagPrinttext)
            values[size_t(t)] = NormalisePrintText(value);
        else if (t < kTagAdd1 || t > kTagAdd5)
            values[size_t(t)] = value.toString();
    }
    std::array<QString, kOptionGroups> groups;
    for (int j = 0; j < kOptionGroups; ++j) {
        const qsizetype s = start[size_t(kTagAdd1 + j)];
        if (s < 0)
            continue;
        const qsizetype end = rec.indexOf(tags.closing[size_t(kTagAdd1 + j)], s);
        groups[size_t(j)] = BuildOptionGroup(end < 0 ? rec.mid(s) : rec.mid(s, end - s));
    }
    StoreMenuRecord(table, values, groups);
}

} // namespace

const std::array<QStringView, kMenuTags>& MenuTagNames()
{
    return kTagNames;
}

int MenuRecord::optionGroupCount() const
{
    int n = 0;
    for (int j = 0; j < kOptionGroups; ++j)
        n += col[size_t(kColAdd1 + j)].isEmpty() ? 0 : 1;
    return n;
}

bool MenuRecord::isEmpty() const
{
    for (const QString& c : col)
        if (!c.isEmpty())
            return false;
    return true;
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
    m_rows.clear();
    m_taken = 0;
    m_index.clear();
}

void MenuCatalogue::reset(qsizetype slots)
{
    clear();
    m_rows.resize(size_t(slots));
}

MenuRecord& MenuCatalogue::nextRow()
{
    return m_rows[size_t(m_taken++)];
}

void MenuCatalogue::finish()
{
    m_index.clear();
    m_index.reserve(m_taken);
    // The first row of a number wins, as a search from the top would find it.
    for (qsizetype r = 0; r < m_taken; ++r)
        if (!m_rows[size_t(r)].num().isEmpty() && !m_index.contains(m_rows[size_t(r)].num()))
            m_index.insert(m_rows[size_t(r)].num(), r);
}

MenuCatalogue& menuCatalogue()
{
    static MenuCatalogue table;
    return table;
}

QString ReplaceFieldMark(QString value)
{
    if (value.contains(kMark))
        value.replace(kMark, kMarkSafe);
    return value;
}

QString NormalisePrintText(QStringView value)
{
    if (value.count(u';') == 2)
        return value.toString();
    return QStringLiteral(";;");
}

QString BuildOptionGroup(QStringView raw)
{
    const QStringView yn = inner(raw, u"<yn>", u"</yn>");
    if (yn.isEmpty())
        return {};
    static constexpr QStringView kSubtitle = u"<subtitle>";
    static constexpr QStringView kSubtitleEnd = u"</subtitle>";
    static constexpr QStringView kSubprice = u"<subprice>";
    static constexpr QStringView kSubpriceEnd = u"</subprice>";
    const qsizetype first = raw.indexOf(kSubtitle);
    if (first < 0)
        return {};
    const qsizetype last = raw.lastIndexOf(kSubpriceEnd);
    // The options run up to the last "</subprice>"; the last price keeps what follows its "<subprice>".
    const QStringView options = last > first ? raw.mid(first, last - first) : raw.mid(first);

    const QStringView nooption = inner(raw, u"<nooption>", u"</nooption>");
    const QStringView field = inner(raw, u"<field>", u"</field>");
    const QStringView mincount = inner(raw, u"<mincount>", u"</mincount>");
    QString out;
    out.reserve(raw.size());
    out += nooption;
    out += kMark;
    out += field;
    out += kMark;
    out += mincount;

    qsizetype at = 0;  // options begins with "<subtitle>"
    while (at >= 0) {
        const qsizetype s = at + kSubtitle.size();
        const qsizetype next = options.indexOf(kSubtitle, s);
        const QStringView piece = next < 0 ? options.mid(s) : options.mid(s, next - s);
        const qsizetype nameEnd = piece.indexOf(kSubtitleEnd);
        const QStringView name = nameEnd < 0 ? piece : piece.left(nameEnd);
        QStringView price;
        const qsizetype p = piece.indexOf(kSubprice);
        if (p >= 0) {
            price = piece.mid(p + kSubprice.size());
            const qsizetype pe = price.indexOf(kSubpriceEnd);
            if (pe >= 0)
                price = price.left(pe);
        }
        out += kMark;
        out += ZulDecodeAA(name.toString());
        out += kMark;
        out += price;
        at = next;
    }
    return out;
}

void StoreMenuRecord(MenuCatalogue& table, std::array<QString, kMenuTags>& values,
                     std::array<QString, kOptionGroups>& groups)
{
    for (int t : {kTagTitle, kTagCategory, kTagInfotext1, kTagInfotext2})
        values[size_t(t)] = ZulDecodeAA(values[size_t(t)]);
    if (values[kTagCategory] == u"분류없음")
        return;
    MenuRecord& row = table.nextRow();
    for (int t = 0; t < kTagCount; ++t)
        row.col[size_t(kTagColumn[size_t(t)])] = std::move(values[size_t(t)]);
    for (int j = 0; j < kOptionGroups; ++j)
        row.col[size_t(kColAdd1 + j)] = std::move(groups[size_t(j)]);
    row.col[kColSoldoutYN2] = row.col[kColSoldoutYN];
    row.col[kColSOregdate1b] = row.col[kColSOregdate1];
    row.col[kColSOregdate2b] = row.col[kColSOregdate2];
}

MenuCatalogue ParseMenuAnswer(QStringView answer)
{
    MenuCatalogue table;
    static constexpr QStringView kOpen = u"<menubrr>";
    static constexpr QStringView kClose = u"</menubrr>";
    const qsizetype count = CountOf(answer, kOpen);
    if (count <= 0)
        return table;
    // The mark never belongs to a tag, so replacing it once in the whole answer equals replacing it per value.
    QString marked;
    if (answer.contains(kMark)) {
        marked = answer.toString();
        marked.replace(kMark, kMarkSafe);
        answer = marked;
    }
    table.reset(count);
    qsizetype at = answer.indexOf(kOpen);
    while (at >= 0) {
        const qsizetype s = at + kOpen.size();
        const qsizetype next = answer.indexOf(kOpen, s);
        QStringView rec = next < 0 ? answer.mid(s) : answer.mid(s, next - s);
        const qsizetype end = rec.indexOf(kClose);
        if (end >= 0)
            rec = rec.left(end);
        ReadRecord(rec, table);
        at = next;
    }
    table.finish();
    return table;
}

bool Read_메뉴(const QString& category)
{
    Procedure proc(QStringLiteral("lib_MenuAdd"), QStringLiteral("Read_메뉴"));
    menuCatalogue().clear();
    QString answer;
    SUMBREL_STEP_OR(proc, false, {
        answer = endpoints::PostLogged(QStringLiteral("Read_메뉴"), endpoints::Url(endpoints::kCatalogue),
                                       endpoints::CatalogueBody(category),
                                       QString::fromUtf16(endpoints::kChannelCatalogue));
    });
    SUMBREL_STEP_OR(proc, false, menuCatalogue() = ParseMenuAnswer(answer));
    return true;
}

} // namespace sumbrel
