// The record store (rows, the carried values, the index by number) and the fetching of the answer.
#include "catalogue/menu_reading.h"

#include "server/endpoints.h"
#include "startup/trace_log.h"

namespace sumbrel {

using namespace reading;

namespace {
constexpr QStringView kOpen = u"<menubrr>";
}  // namespace

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
