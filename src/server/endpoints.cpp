#include "server/endpoints.h"

#include "server/http_client.h"
#include "startup/clock.h"
#include "startup/global_state.h"
#include "startup/trace_log.h"

#include <QHash>
#include <array>
#include <mutex>
#include <optional>

namespace sumbrel::endpoints {

QString Url(const Session& session, const char16_t* path)
{
    return session.serviceBaseUrl + QString::fromUtf16(path);
}

QString LogoPictureUrl(const Session& session, const QString& shopNumber)
{
    return session.serviceBaseUrl + QStringLiteral("/logoimag/logo") + shopNumber + QStringLiteral("_1.png");
}

QString MenuPictureUrl(const Session& session, const QString& menuNumber)
{
    return session.serviceBaseUrl + QStringLiteral("/menuimag/") + menuNumber + QStringLiteral(".png");
}

QString FormValue(QString value)
{
    // "%" first, so the escapes added after it stay as they are.
    value.replace(u'%', QStringLiteral("%25"));
    value.replace(u'&', QStringLiteral("%26"));
    value.replace(u'+', QStringLiteral("%2B"));
    return value;
}

QString LoginBody(const QString& id, const QString& password)
{
    return QStringLiteral("ID=") + FormValue(id) + QStringLiteral("&PassWord=") + FormValue(password);
}

QString CredentialsBody(const Session& session)
{
    return LoginBody(session.loginId, session.loginPassword);
}

QString OrderBody(const Session& session, const QString& phone, Dining dining, Payment payment, const QString& taxi,
                  const QString& escapedMenu)
{
    const QString where = dining == Dining::EatIn ? QStringLiteral("매장식사") : QStringLiteral("포장");
    const QString pay = payment == Payment::Card ? QStringLiteral("1") : QStringLiteral("0");
    // The service percent-decodes the body: the customer's entries and the menu travel through
    // FormValue (the menu's "+" and "&" are already marker words) so they arrive unchanged.
    return CredentialsBody(session) + QStringLiteral("&phonet=") + FormValue(phone) + QStringLiteral("&where=") + where
        + QStringLiteral("&pay=") + pay + QStringLiteral("&taxi=") + FormValue(taxi)
        + QStringLiteral("&memo=현장접수&menu=") + FormValue(escapedMenu);
}

QString MenuPageBody(const Session& session, const QString& checktypes)
{
    return CredentialsBody(session) + QStringLiteral("&checktypes=") + checktypes;
}

QString CatalogueBody(const Session& session, const QString& category)
{
    return CredentialsBody(session) + QStringLiteral("&category=") + category;
}

QString LogoCheckBody(const Session& session, long logoNumber)
{
    return CredentialsBody(session) + QStringLiteral("&logonum=") + QString::number(logoNumber);
}

QString MenuPictureCheckBody(long menuNumber)
{
    // This check carries no login values: the body starts with "&".
    return QStringLiteral("&menunum=") + QString::number(menuNumber);
}

QString TraceAnswer(const QString& answer)
{
    if (answer.size() <= kTracedAnswerChars)
        return answer;
    // A day of huge answers must not fill the disk; the start tells what came.
    return answer.left(kTracedAnswerChars) + QStringLiteral("\r\n... (응답 ") + QString::number(answer.size())
        + QStringLiteral("자 중 앞 ") + QString::number(kTracedAnswerChars) + QStringLiteral("자만 기록)");
}

namespace {

// Two seeded hashes of the text as it stands: a menu answer is 1.6 MB of UTF-16 at every opening,
// and a cryptographic digest of its UTF-8 cost a millisecond and a half of each.
using Digest = std::array<size_t, 2>;

Digest DigestOf(QStringView text)
{
    const size_t bytes = size_t(text.size()) * sizeof(QChar);
    return {qHashBits(text.data(), bytes, 0x9e3779b9U), qHashBits(text.data(), bytes, 0x85ebca6bU)};
}

}  // namespace

QByteArray AnswerKey(QStringView text)
{
    const Digest halves = DigestOf(text);
    return QByteArray(reinterpret_cast<const char*>(halves.data()), sizeof(halves));
}

namespace {

// The last answer to each request, as a digest: a day of menu openings repeats the same 40 KB answers,
// which traced in full would fill the day's file by noon. Bounded: past kRememberedAnswers requests
// the memory starts afresh (the next answers are traced in full once more). Every order is a request
// of its own, so the table is one block of slots taken once, not an allocation per request: the
// day's memory does not follow its customers.
class LastAnswers {
public:
    // The answer last remembered for the request; nullptr when none.
    const Digest* find(const Digest& request) const
    {
        const size_t at = slotOf(request);
        return m_slots[at].used ? &m_slots[at].answer : nullptr;
    }
    void insert(const Digest& request, const Digest& answer)
    {
        size_t at = slotOf(request);
        if (!m_slots[at].used) {
            if (m_count >= kRememberedAnswers) {
                clear();
                at = slotOf(request);
            }
            ++m_count;
        }
        m_slots[at] = {request, answer, true};
    }
    void remove(const Digest& request)
    {
        size_t hole = slotOf(request);
        if (!m_slots[hole].used)
            return;
        --m_count;
        // Linear probing: the later slots of the run move back, so no lookup stops at the hole.
        for (size_t next = step(hole); m_slots[next].used; next = step(next)) {
            const size_t home = m_slots[next].request[0] & kMask;
            if (((next - home) & kMask) >= ((next - hole) & kMask)) {
                m_slots[hole] = m_slots[next];
                hole = next;
            }
        }
        m_slots[hole].used = false;
    }
    void clear()
    {
        for (Slot& slot : m_slots)
            slot.used = false;
        m_count = 0;
    }

private:
    static constexpr qsizetype kRememberedAnswers = 1024;
    // Twice the bound: the runs of linear probing stay short.
    static constexpr size_t kSlots = 2 * kRememberedAnswers;
    static constexpr size_t kMask = kSlots - 1;
    struct Slot {
        Digest request{};
        Digest answer{};
        bool used = false;
    };
    static size_t step(size_t at) { return (at + 1) & kMask; }
    // The request's slot, or the free one where it would go.
    size_t slotOf(const Digest& request) const
    {
        size_t at = request[0] & kMask;
        while (m_slots[at].used && m_slots[at].request != request)
            at = step(at);
        return at;
    }

    std::array<Slot, kSlots> m_slots{};
    qsizetype m_count = 0;
};

std::mutex g_answersLock;
LastAnswers g_lastAnswers;

// Whether the answer is the one the same request had last; remembers it either way. A failed
// exchange is remembered as none, so the next answer is traced in full.
bool SameAsLast(const QString& procedure, const QString& url, const QString& body, const PostResult& result)
{
    // Of this log folder: its files hold what went before.
    const Digest request = DigestOf(ProgramFolder() + u'\n' + procedure + u'\n' + url + u'?' + body);
    const std::optional<Digest> answer =
        result.answered() ? std::optional(DigestOf(QString::number(result.status) + u'|' + result.text)) : std::nullopt;
    const std::lock_guard<std::mutex> lock(g_answersLock);
    if (!answer) {
        g_lastAnswers.remove(request);
        return false;
    }
    const Digest* last = g_lastAnswers.find(request);
    const bool same = last && *last == *answer;
    g_lastAnswers.insert(request, *answer);
    return same;
}

}  // namespace

PostResult PostLogged(const QString& procedure, const QString& url, const QString& body, const QString& channel,
                      const Poster& post, const CallOptions& options)
{
    WriteLog(procedure + QStringLiteral("() ... ") + url + u'?' + body, channel);
    const uint32_t t0 = TickCount();
    PostResult result = post ? post(url, body, options) : PostForm(url, body, options);
    if (SameAsLast(procedure, url, body, result))
        WriteLog(procedure + QStringLiteral("() ... ResponseStr: 직전과 동일. ") + QString::number(TickCount() - t0)
                     + QStringLiteral("ms 걸림."),
                 channel);
    else
        WriteLog(procedure + QStringLiteral("() ... ResponseStr:") + QStringLiteral("\r\n") + TraceAnswer(result.text),
                 channel);
    return result;
}

}  // namespace sumbrel::endpoints
